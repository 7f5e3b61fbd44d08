// List lines of the ground-surface and external-force screens.
#include "ground_lines.h"

#include <gtest/gtest.h>

namespace wtn::ground {
namespace {

GairyokuRec force(std::string name, int direction, double f, double h) {
    return GairyokuRec{std::move(name), code_of_list_index<ForceSide>(direction), f, h};
}

TEST(GroundLines, FixedColumnsOfTheThreeGroundLists) {
    EXPECT_EQ(morid_line(0, {3.5, 17.65, 19.6}),
              "  1           3.50         17.650         19.600");
    EXPECT_EQ(josai_line(1, {0, 12.5, 10, 5}),
              "  2       0.000      12.500       10.00        5.00");
    EXPECT_EQ(tikei_line(11, {25, -1.25}), " 12      25.000      -1.250");
}

TEST(GroundLines, ForceLinesPadTheNameToTwentyFourCells) {
    EXPECT_EQ(gm17_line(0, force("Mooring pull        ", 0, 12.5, 3.25)),
              "  1   Mooring pull            主働        12.500        3.250");
    EXPECT_EQ(gm17_line(1, force("けん引力", 1, 234.5678, 0)),
              "  2   けん引力                受働       234.568        0.000");
    // Leading blanks are not part of the name; an empty name leaves 24 blanks.
    EXPECT_EQ(gm17_line(0, force("  Mooring pull", 0, 12.5, 3.25)),
              gm17_line(0, force("Mooring pull", 0, 12.5, 3.25)));
    EXPECT_EQ(gm17_line(2, force("", 0, -5, 0)),
              "  3   " + std::string(24, ' ') + "主働        -5.000        0.000");
}

TEST(GroundLines, WideValuesLengthenTheLineAndKeepEveryDigit) {
    std::string wide;
    for (int i = 0; i < 20; ++i)
        wide += "荷";
    // 40 cells of name: the direction word follows at once.
    EXPECT_EQ(gm17_line(0, force(wide, 0, 1e10, 1e9)),
              "  1   " + wide + "主働10000000000.0001000000000.000");
    EXPECT_EQ(tikei_line(0, {123456789.0, -12345678.0}), "  1123456789.000-12345678.000");
    EXPECT_EQ(morid_line(2, {1e13, 0, 0}), "  310000000000000.00          0.000          0.000");
}

TEST(GroundLines, ForceNameFieldTrimsCutsAndPads) {
    EXPECT_EQ(force_name_field("  Mooring pull  "), "Mooring pull        ");
    EXPECT_EQ(force_name_field(""), std::string(20, ' '));
    std::string long_name;
    for (int i = 0; i < 22; ++i)
        long_name += "荷";
    std::string cut;
    for (int i = 0; i < 20; ++i)
        cut += "荷";
    EXPECT_EQ(force_name_field(long_name), cut);
}

} // namespace
} // namespace wtn::ground
