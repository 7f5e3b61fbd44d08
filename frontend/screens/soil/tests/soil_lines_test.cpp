// The soil-layer list lines: fixed columns, dashes for what does not apply,
// the side's method on the first line only, and no value ever cut.
#include "soil_lines.h"
#include "soil_rules.h"

#include <gtest/gtest.h>

namespace wtn::soil {
namespace {

DosouRec sand_n(double top, double wet, double sat, double phi, int option, double n) {
    DosouRec r;
    r.top_lvl = top;
    r.unit_w = {wet, sat, 0.0};
    r.soil_val[0] = phi;
    r.kh_sw = code_of_list_index<LayerKhOption>(option);
    r.n_val[option] = n;
    return r;
}

DosouRec clay_direct(double top, double wet, double sat, double c0, double k, double kh) {
    DosouRec r;
    r.top_lvl = top;
    r.unit_w = {wet, sat, 0.0};
    r.soil_sw = SoilKind::Clay;
    r.soil_val[1] = c0;
    r.soil_val[2] = k;
    r.kh_sw = LayerKhOption::Given;
    r.kh_val[0] = kh;
    return r;
}

constexpr LineSwitches kPerLayer{true, false};
constexpr LineSwitches kPerSide{false, false};

TEST(SoilLines, PerLayerGoldenLines) {
    const DosouHohoRec hoho;
    const std::string first = full_line(0, sand_n(3.5, 18, 20, 30, 1, 10), hoho, kPerLayer);
    const std::string second = full_line(1, clay_direct(-2, 16, 17, 1, 0.5, 5000), hoho, kPerLayer);
    EXPECT_EQ(first, "  1        3.50      18.000      20.000        30.0        ----        ----"
                     "        10.0        --------");
    EXPECT_EQ(second, "  2       -2.00      16.000      17.000        ----       1.000       0.500"
                      "        ----          5000.0");
    EXPECT_EQ(first.size(), kLineWidth);
    EXPECT_EQ(second.size(), kLineWidth);
    // The same layers in list order: every line is full.
    EXPECT_EQ(list_line(1, clay_direct(-2, 16, 17, 1, 0.5, 5000), hoho, kPerLayer), second);
}

TEST(SoilLines, PerSideMethodShowsOnTheFirstLineOnly) {
    const DosouRec layer = sand_n(3.5, 18, 20, 30, 1, 10);
    struct Case {
        int hoho_sw;
        const char* tail;
    };
    const Case cases[] = {
        {1, "        12.5        --------"}, // mean N 12.5
        {2, "       12.50        --------"}, // rate of increase, two decimals
        {0, "        ----           300.0"}, // Kc given
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hoho_sw);
        DosouHohoRec hoho;
        hoho.hoho_sw = code_of_list_index<SideResistanceOption>(c.hoho_sw);
        hoho.hoho_n = {0.0, 12.5, 12.5, 0.0};
        hoho.hoho_k = {300.0, 12.5, 12.5, 0.0};
        const std::string first = list_line(0, layer, hoho, kPerSide);
        EXPECT_EQ(first.substr(kLineWidth - 28), c.tail);
        const std::string later = list_line(4, layer, hoho, kPerSide);
        EXPECT_EQ(later.substr(kLineWidth - 28), "        ----        --------");
        EXPECT_EQ(later, short_line(4, layer));
    }
}

TEST(SoilLines, BlankedSideDashesEveryLineInEitherMode) {
    DosouHohoRec hoho;
    hoho.hoho_k[0] = 300;
    const DosouRec layers[] = {sand_n(3.5, 18, 20, 30, 1, 10),
                               clay_direct(-2, 16, 17, 1, 0.5, 5000)};
    for (bool per_layer : {true, false}) {
        for (int p = 0; p < 2; ++p) {
            const std::string line = list_line(p, layers[p], hoho, LineSwitches{per_layer, true});
            EXPECT_EQ(line.substr(kLineWidth - 28), "        ----        --------")
                << per_layer << " " << p;
        }
    }
}

TEST(SoilRules, OnlyTheOtherStudyBlocksASide) {
    struct Case {
        int kanseiji, sekouji;
        bool land_blocked, sea_blocked;
    };
    const Case cases[] = {
        {1, 1, false, false}, {1, 0, true, false}, {0, 1, false, true}, {0, 0, false, false}};
    for (const Case& c : cases) {
        SekkeiData s;
        s.kanseiji_sw = code_of_list_index<CheckBox>(c.kanseiji);
        s.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji);
        EXPECT_EQ(lateral_blocked(s, true), c.land_blocked) << c.kanseiji << c.sekouji;
        EXPECT_EQ(lateral_blocked(s, false), c.sea_blocked) << c.kanseiji << c.sekouji;
    }
}

TEST(SoilLines, TenthLayerTakesTwoDigitsAndALongValueWidensTheLine) {
    const DosouRec layer = sand_n(3.5, 18, 20, 30, 1, 10);
    EXPECT_EQ(full_line(9, layer, DosouHohoRec{}, kPerLayer).substr(0, 3), " 10");

    DosouRec high = layer;
    high.top_lvl = 1e12;
    const std::string wide = full_line(0, high, DosouHohoRec{}, kPerLayer);
    const std::string normal = full_line(0, layer, DosouHohoRec{}, kPerLayer);
    // "1000000000000.00" is 16 characters: the line grows by 4 and every
    // later column stands whole behind it.
    EXPECT_EQ(wide.size(), kLineWidth + 4);
    EXPECT_EQ(wide.substr(0, 19), "  11000000000000.00");
    EXPECT_EQ(wide.substr(19), normal.substr(15));
}

TEST(SoilLines, RewriteOfALaterLayerRebuildsLineZeroWhole) {
    ui::ListBox list("lst_gm15", -1);
    DosouRec rows[3] = {sand_n(3.5, 18, 20, 30, 1, 10), sand_n(-2, 16, 17, 28, 1, 5),
                        sand_n(-9, 17, 19, 33, 1, 7)};
    rows[0].top_lvl = 1e12; // line 0 wider than the columns
    DosouHohoRec hoho;
    hoho.hoho_sw = SideResistanceOption::CTypeFromN;
    hoho.hoho_n[1] = 12.5;
    for (int p = 0; p < 3; ++p)
        add_list_line(list, p, rows[p], hoho, kPerSide);
    list.set_list_index(2);

    hoho.hoho_n[1] = 20;
    rows[2].unit_w[0] = 18.5;
    set_list_line(list, 2, rows[2], rows[0], hoho, kPerSide);
    EXPECT_EQ(list.list(0), full_line(0, rows[0], hoho, kPerSide));
    EXPECT_EQ(list.list(0).substr(list.list(0).size() - 28), "        20.0        --------");
    EXPECT_EQ(list.list(2), short_line(2, rows[2]));
    EXPECT_EQ(list.list(1), short_line(1, rows[1]));
    EXPECT_EQ(list.list_count(), 3u);
    EXPECT_EQ(list.list_index(), 2);
}

} // namespace
} // namespace wtn::soil
