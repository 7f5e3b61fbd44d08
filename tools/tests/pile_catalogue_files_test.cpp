// The installed sheet-pile catalogues and chart table against their generator,
// and the derived columns against hand calculations.
#include "corrosion_columns.h"
#include "pile_catalogue_files.h"
#include "sheet_pile_sections.h"

#include "csv_line.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace wtn::tools {
namespace {

std::string installed_bytes(const std::string& name) {
    std::ifstream in(std::string(WTN_SOURCE_DIR) + "/installed/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CsvLine installed_line(const std::string& file, int id) {
    std::vector<std::string> lines;
    EXPECT_TRUE(read_lines(std::string(WTN_SOURCE_DIR) + "/installed/" + file, lines));
    for (const std::string& text : lines) {
        if (text.empty() || text[0] == '#') continue;
        CsvLine line;
        split_csv_line(text, line);
        if (line.integer(0) == id) return line;
    }
    ADD_FAILURE() << "no line of id " << id << " in " << file;
    return {};
}

TEST(PileCatalogueFiles, InstalledFilesEqualTheGenerator) {
    for (const GeneratedFile& file : pile_catalogue_files()) {
        SCOPED_TRACE(file.name);
        EXPECT_EQ(installed_bytes(file.name), file.text);
    }
}

// SP-III: Z0 = 1340 cm3/m, pile height 125 mm (so c = 125 mm), t = 13.0 mm.
// Covered range s = t1 + t2 <= 6.5 mm.
//   Zmin = 1340 x 0.5 x 125 / (125 - 13/4) = 670 x 125 / 121.75 = 687.885
//   q(a) = (1340 - 687.885) (1 + a) / 6.5 = 100.3254 (1 + a)
//        = 100.33, 125.41, 150.49, 175.57, 200.65 at a = 0 .. 1
//   line ends e(a) = 6.5 / (1 + a) = 6.50, 5.20, 4.33, 3.71, 3.25 (rounded down)
TEST(PileCatalogueFiles, DerivedColumnsOfSpIIIMatchTheHandCalculation) {
    const CsvLine line = installed_line("YAITA.D01", 22);
    EXPECT_EQ(line.text(0), "SP-III");
    const double expected[] = {1340, 100.33, 125.41, 150.49, 175.57, 200.65, 125, 16800, 687, 6.50};
    ASSERT_EQ(line.fields.size(), 11u); // id and ten numbers; with the name, 12 fields
    for (int f = 1; f <= 10; ++f)
        EXPECT_DOUBLE_EQ(line.real(f), expected[f - 1]) << "field " << f;

    const CsvLine chart = installed_line("YAITA.FDM", 22);
    const double ends[] = {6.50, 5.20, 4.33, 3.71, 3.25};
    for (int k = 0; k < 5; ++k)
        EXPECT_DOUBLE_EQ(chart.real(9 + k), ends[k]);
}

// SP-Z25 is one of the ids whose depth value is stored twice over: height
// 400 mm, so the stored value is 400 and the program uses 200 = 10 I0 / Z0.
TEST(PileCatalogueFiles, ZTypeStoresTheFullDepthForTheProgramToHalve) {
    const CsvLine line = installed_line("YAITA.D03", 11);
    EXPECT_DOUBLE_EQ(line.real(7), 400.0);
    EXPECT_DOUBLE_EQ(10.0 * line.real(8) / line.real(1) * 2.0, line.real(7));
}

// PC-300 as a solid slab 300 mm thick: Z = 100 x 30^2 / 6 = 15000 cm3/m,
// I = 100 x 30^3 / 12 = 225000 cm4/m; normal allowable moment
// (5.0 + 3.0) N/mm2 x 15000e3 mm3 = 120.0 kN m/m, with no tension 75.0.
TEST(PileCatalogueFiles, ConcreteSectionMatchesTheHandCalculation) {
    const CsvLine general = installed_line("YAITA.C02", 64);
    EXPECT_DOUBLE_EQ(general.real(1), 15000.0);
    EXPECT_DOUBLE_EQ(general.real(2), 120.0);
    EXPECT_DOUBLE_EQ(general.real(7), 225000.0);
    EXPECT_DOUBLE_EQ(installed_line("YAITA.C01", 54).real(2), 75.0);
}

TEST(PileCatalogueFiles, NominalValuesAgreeWithTheirOwnGeometry) {
    std::set<int> ids;
    for (const SteelSection& s : steel_sections()) {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(ids.insert(s.id).second) << "id used twice";
        // A wall symmetric about its neutral axis has I = Z x c; a typing
        // error in a nominal value shows here.
        EXPECT_NEAR(10.0 * s.i0 / s.z0 / extreme_fibre_distance(s), 1.0, 0.01);
        EXPECT_LE(std::strlen(s.name), 16u); // the front end keeps 16 characters
        EXPECT_EQ(depth_value_stored_twice(s.id), s.file == 3);
    }
    for (const ConcreteSection& s : concrete_sections()) {
        EXPECT_TRUE(ids.insert(s.id).second) << s.name;
        EXPECT_LE(std::strlen(s.name), 16u);
    }
}

// The straight lines of the table must never promise more section than the
// idealised corroded section keeps, anywhere in the covered range, and each
// line ends on the smallest tabled Z.
TEST(PileCatalogueFiles, StraightLinesStayOnTheSafeSideOfTheIdealisedSection) {
    for (const SteelSection& s : steel_sections()) {
        SCOPED_TRACE(s.name);
        const CorrosionColumns c = corrosion_columns(s);
        for (std::size_t k = 0; k < kCorrosionRatios.size(); ++k) {
            const double a = kCorrosionRatios[k];
            for (int step = 1; step <= 20; ++step) {
                const double t1 = c.line_ends[k] * step / 20.0;
                const double table_z = s.z0 - c.loss_per_mm[k] * t1;
                // 0.005 cm3/m/mm of rounding in q over at most 14 mm.
                EXPECT_LE(table_z, idealised_corroded_z(s, t1, a * t1) + 0.1)
                    << "a " << a << " t1 " << t1;
            }
            // Within the rounding of the line end (0.01 mm) and of Zmin (1 cm3/m).
            const double end_z = s.z0 - c.loss_per_mm[k] * c.line_ends[k];
            EXPECT_GE(end_z, c.smallest_z) << "a " << a;
            EXPECT_LE(end_z, c.smallest_z + 1.0 + 0.01 * c.loss_per_mm[k]) << "a " << a;
        }
        EXPECT_DOUBLE_EQ(c.largest_t1, c.line_ends[0]);
    }
}

} // namespace
} // namespace wtn::tools
