// The section writers of the earth-pressure chapter over hand-made records:
// print rounding, fillers, sub-section numbers and the conditional pages.
#include "force_tables.h"
#include "formula_pages.h"
#include "intensity_tables.h"
#include "pressure_chapter.h"
#include "report_fixture.h"
#include "seismic_tables.h"
#include "water_and_seabed.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::count_of;
using test::has_prefix;
using test::in_order;
using test::ReportFixture;

constexpr double kDegree = 3.14159265358979 / 180.0;

// The apparent coefficient 0.237 of a submerged land layer: rounded for print
// to 0.01 (0.24, atan 13.5 deg) or to steps of 0.05 (round(0.474, 1) / 2 =
// 0.25, 14.0 deg); given directly or in air it prints as stored, and its
// angle comes from the stored 0.237 (13.3 deg).
TEST(SeismicTables, PrintedApparentCoefficientAndItsAngle) {
    struct Case {
        int kind;
        ApparentSeismicRule rule;
        int steps_of_five;
        std::vector<std::string> lines; // coefficient and angle of the table row
    };
    const Case cases[] = {
        {kApparentCoefficient,
         ApparentSeismicRule::GeneralFormula,
         1,
         {"04    0.25", "06    14.0"}},
        {kApparentCoefficient,
         ApparentSeismicRule::GeneralFormula,
         0,
         {"04    0.24", "06    13.5"}},
        {kApparentCoefficient, ApparentSeismicRule::Given, 1, {"04    0.24", "06    13.3"}},
        {kCoefficientInAir, ApparentSeismicRule::AraiYokoi, 1, {"08    0.24", "10    13.3"}},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        f.report->input.neire.apparent_rule = c.rule;
        f.report->custom.apparent_rounding_rule = from_file_value<SeismicRounding>(c.steps_of_five);
        LandLayerCalc& row = f.land(1, 0.0, 30.0);
        row.k_top = 0.237;
        row.k_kind_top = c.kind;
        const auto lines = f.page([&](PageFile& p) { write_active_seismic_table(p, *f.report); });
        EXPECT_TRUE(in_order(lines, {"00    0.00"}));
        EXPECT_TRUE(in_order(lines, c.lines)) << c.lines.front();
        // The layer table prints the same coefficient and angle on every row.
        const auto layer = f.page([&](PageFile& p) { write_active_layer_table(p, *f.report, 1); });
        EXPECT_TRUE(in_order(
            layer, {"00    0.00", "08  " + c.lines[0].substr(4), "10  " + c.lines[1].substr(4)}));
    }
}

TEST(SeismicTables, FillersOfColumnsThatDoNotApply) {
    {
        // Top at the R.W.L. with the in-air coefficient on both sides: no top
        // coefficient, yet its angle.
        ReportFixture f;
        f.report->input.swdat.residual_level_seismic = LevelSeismicRule::AirBothSides;
        const auto lines = f.page([&](PageFile& p) { write_active_seismic_table(p, *f.report); });
        EXPECT_TRUE(in_order(lines, {"00    0.00", "08  ───", "09    0.15", "10     8.5"}));
    }
    for (const double thickness : {11.0, 16.0}) {
        // Clay ending 5 m below the seabed under interpolation: no bottom
        // coefficient or angle; ending 10 m below, both.
        ReportFixture f;
        f.report->input.swdat.earth_pressure_method = EarthPressureMethod::InterpolatedBelowSeabed;
        LandLayerCalc& clay = f.land(1, 0.0, thickness);
        clay.phi = 0.0;
        f.report->model.land_calc[2].top = -thickness;
        const auto lines = f.page([&](PageFile& p) { write_active_seismic_table(p, *f.report); });
        if (thickness < 15.0)
            EXPECT_TRUE(in_order(lines, {"00    0.00", "09  ───", "10     8.5", "11  ───"}));
        else
            EXPECT_TRUE(in_order(lines, {"00    0.00", "09    0.15", "10     8.5", "11     8.5"}));
    }
    {
        // A clay sea layer: no coefficient and no angle.
        ReportFixture f;
        f.report->model.sea_calc[0].phi = 0.0;
        f.report->model.sea_calc[0].k_top = 0.3;
        const auto lines = f.page([&](PageFile& p) { write_passive_seismic_table(p, *f.report); });
        EXPECT_TRUE(in_order(lines, {"07  ────", "08  ───", "09  ───", "10  ───", "11  ───"}));
    }
    {
        // Three land rows reserve 4 x 3 + 8 lines.
        ReportFixture f;
        f.land(1, 0.0, 10.0);
        f.land(2, -10.0, 20.0);
        f.report->model.land_count = 4;
        f.report->model.land_calc[3].top = -30.0;
        const auto lines = f.page([&](PageFile& p) { write_active_seismic_table(p, *f.report); });
        EXPECT_EQ(lines[2], "$R  20");
        EXPECT_EQ(count_of(lines, "$0  ARAYOKO2.PFM"), 3);
    }
}

TEST(SeismicTables, MethodPageAndTableLayoutFollowTheUnderwaterSwitch) {
    {
        ReportFixture f;
        f.report->input.neire.apparent_rule = ApparentSeismicRule::Given;
        f.report->input.neire.apparent_coefficient = 0.2;
        const auto lines = f.page([&](PageFile& p) {
            write_apparent_seismic_section(p, *f.report);
            write_active_seismic_table(p, *f.report);
        });
        EXPECT_TRUE(in_order(lines, {"$0  MIKAKE3.PFM", "98    0.20", "99  (1)", "$0  SND_MSG1.PFM",
                                     "$0  HYOJN1.PFM", "$H  HYOJN_HD.PFM", "$F  HYOJN_FT.PFM",
                                     "$0  HYOJN2.PFM", "$0  HYOJN3.PFM"}));
    }
    {
        ReportFixture f;
        f.report->input.neire.apparent_rule = ApparentSeismicRule::Niken;
        f.report->input.swdat.ground_shape = GroundShape::Embankment;
        f.report->input.swdat.earth_pressure_method = EarthPressureMethod::InterpolatedBelowSeabed;
        f.report->custom.apparent_crown_rule = from_file_value<CrownApparentRule>(1);
        f.report->custom.apparent_land_depth_rule = from_file_value<LandDepthOrigin>(1);
        f.report->custom.apparent_sea_depth_rule = from_file_value<SeaDepthOrigin>(1);
        const auto lines = f.page([&](PageFile& p) {
            write_apparent_seismic_section(p, *f.report);
            write_passive_seismic_table(p, *f.report);
        });
        EXPECT_TRUE(in_order(lines, {"$0  MIKAKE1B.PFM", "98  天端位置からの深さ。",
                                     "97  設計海底面位置からの深さ。", "99  (2)",
                                     "$0  SND_MSG2.PFM", "$0  NIKEN1.PFM", "$F  NIKEN_FT.PFM",
                                     "$0  NIKEN2.PFM", "06  ────", "07  ────"}));
    }
}

TEST(FormulaPages, ClayFormulasAndOkabeOptions) {
    {
        ReportFixture f;
        f.report->input.nir_t.clay_normal_formula = ClayNormalFormula::CompareBoth;
        f.report->custom.consolidation_factor = 0.3;
        const auto lines =
            f.page([&](PageFile& p) { write_active_formula_pages(p, *f.report, 0); });
        EXPECT_EQ(lines,
                  (std::vector<std::string>{"title", lines[1], "$0  JO_DTS1.PFM     JO_DTS1.PZK",
                                            "99  (1)", "$0  JO_DTS2.PFM", "98   0.3"}));
    }
    {
        ReportFixture f;
        f.report->input.nir_t.clay_normal_formula = ClayNormalFormula::FirstOnly;
        const auto lines =
            f.page([&](PageFile& p) { write_active_formula_pages(p, *f.report, 0); });
        EXPECT_EQ(lines.back(), "$0  JO_DTS3.PFM");
    }
    for (const bool okabe : {true, false}) {
        ReportFixture f;
        f.report->input.nir_t.okabe_when_negative =
            okabe ? OkabeWhenNegative::On : OkabeWhenNegative::Off;
        f.report->custom.clay_failure_angle_seismic = 45.0;
        const auto lines =
            f.page([&](PageFile& p) { write_active_formula_pages(p, *f.report, 1); });
        if (okabe)
            EXPECT_TRUE(in_order(lines, {"$0  JS_DTS11.PFM    JS_DTS11.PZK",
                                         "99  α,ζ$Sa$Z：土層の崩壊面が水平となす角(度)"}));
        else
            EXPECT_TRUE(in_order(lines, {"$0  JS_DTS10.PFM", "99   45.0",
                                         "99     ζ$Sa$Z：土層の崩壊面が水平となす角(度)"}));
    }
}

// A clay layer whose bottom lies 3 m below the seabed takes the interpolated
// pressure; one ending at the seabed is an ordinary row.
TEST(IntensityTables, ClayInterpolationRows) {
    for (const double bottom : {-9.0, -6.0}) {
        ReportFixture f;
        f.report->input.swdat.earth_pressure_method = EarthPressureMethod::InterpolatedBelowSeabed;
        LandLayerCalc& clay = f.land(1, 0.0, -bottom);
        clay.phi = 0.0;
        f.report->model.land_calc[2].top = bottom;
        ActiveIntensityRow& a = f.report->model.active[1];
        a.formula1_bottom = 12.0;
        a.formula2_bottom = 12.0;
        const auto lines =
            f.page([&](PageFile& p) { write_active_intensity_table(p, *f.report, 1); });
        if (bottom < -6.5) {
            EXPECT_EQ(lines[2], "$R  11");
            EXPECT_TRUE(in_order(lines, {"$0  JS_DTK2.PFM", "$0  JS_DTK2.PFM", "11  ────",
                                         "13  ────", "99  ※", "$0  JS_DTK3.PFM", "$0  JS_10MSG.PFM",
                                         "$R  8", "$0  JS_TOK1.PFM", "$0  JS_TOK2.PFM",
                                         "00   -9.00", "06    12.000", "$0  JS_TOK3.PFM"}));
        } else {
            EXPECT_EQ(lines[2], "$R  9");
            EXPECT_TRUE(in_order(lines, {"11    12.000", "13    12.000"}));
            EXPECT_FALSE(has_prefix(lines, "$0  JS_10MSG"));
        }
    }
}

TEST(WaterAndSeabed, VirtualSeabedOnARowAndEqualPressures) {
    ReportFixture f;
    VirtualSeabedData& d = f.report->common.seabed.data;
    d.level[0] = d.boundary_above[0] = d.boundary_below[0] = -8.0;
    d.active_above[0] = d.passive_above[0] = 50.0;
    d.active_below[0] = 50.0;
    d.passive_below[0] = 60.0;
    const ChapterNumbers numbers{0, 0, 0};
    const auto lines =
        f.page([&](PageFile& p) { write_virtual_seabed_section(p, *f.report, numbers); });
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()),
              (std::vector<std::string>{"$1  KASOU1.PFM", "99  (5)", "00   -8.000", "02   ＞ ",
                                        "03   ＜ ", "04    50.000", "05    50.000", "06    50.000",
                                        "07    60.000"}));
}

// Sub-section numbers of the whole chapter: straight ground, seismic case,
// with and without residual water; an embankment normal case without it.
TEST(PressureChapter, SubSectionNumbersRunWithoutGaps) {
    struct Case {
        int c;
        GroundShape shape;
        double residual_water;
        std::vector<std::string> numbers;
    };
    const Case cases[] = {
        {1,
         GroundShape::Straight,
         10.0,
         {"99  (1)", "99  (2)", "99  (3)", "99  (4)", "99  (5)", "99  (6)", "99  (7)", "99  (8)"}},
        {1,
         GroundShape::Straight,
         0.0,
         {"99  (1)", "99  (2)", "99  (3)", "99  (4)", "99  (5)", "99  (6)", "99  (7)"}},
        {0, GroundShape::Embankment, 0.0, {"99  (2)", "99  (3)", "99  (4)", "99  (5)", "99  (6)"}},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        f.report->input.swdat.ground_shape = c.shape;
        f.report->common.totals.residual_water = c.residual_water;
        // The chapter draws its earth-pressure figure: give it a diagram.
        f.report->model.active[1].active_bottom = 117.988;
        f.report->model.passive[0].passive_bottom = 720.0;
        write_pressure_chapter(*f.report, c.c);
        const auto lines = test::file_lines(f.folder.read(pressure_chapter_name(c.c)));
        std::vector<std::string> numbers;
        for (const std::string& line : lines)
            if (line.rfind("99  (", 0) == 0) numbers.push_back(line);
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(has_prefix(lines, "$1  GAI_TITL.PFM"), c.shape == GroundShape::Straight);
        EXPECT_EQ(has_prefix(lines, "$0  DOSUI_B1.PFM"), c.c == 1);
    }
}

TEST(ForceTables, HydrodynamicRowsAndTheirReservation) {
    {
        // L.W.L. at the design seabed: no hydrodynamic pressure, yet the
        // switches reserve its row.
        ReportFixture f;
        f.report->input.joken.lwl = -6.0;
        f.report->input.force_seismic_count = 1;
        f.report->input.forces_seismic[0] = {"F", 10.0, 2.0};
        const auto lines = f.page([&](PageFile& p) {
            write_dynamic_water_section(p, *f.report, 1);
            write_force_moment_table(p, *f.report, 1);
        });
        EXPECT_TRUE(in_order(lines, {"$R  20", "$0  GAI_MTM1.PFM", "99  3) "}));
        EXPECT_FALSE(has_prefix(lines, "$0  DOSUI"));
        EXPECT_EQ(count_of(lines, "$0  GAI_MTM2.PFM"), 2);
    }
    {
        // Water above the superstructure crown: the part above it is taken off.
        ReportFixture f;
        f.report->input.joken.lwl = 4.0;
        DynamicWaterData& d = f.report->common.dynamic;
        d.above_crown = 1;
        d.force = 50.0;
        d.moment = 300.0;
        d.crown_force = 2.0;
        d.crown_height = 0.4;
        d.crown_moment = 20.0;
        d.start_level = 3.0;
        const auto lines = f.page([&](PageFile& p) {
            write_dynamic_water_section(p, *f.report, 1);
            write_force_moment_table(p, *f.report, 1);
        });
        // 3.0 + 6.0 + 0.4 + (-6.0 + 7.425) = 10.825 above the virtual seabed.
        EXPECT_TRUE(in_order(
            lines, {"$0  DOSUI_G2.PFM    DOSUI_G2.PZK", "10    1.00", "11     2.000",
                    "12     0.400", "13     9.000", "14    10.825", "00    0.15", "$R  20",
                    "99  4) ", "01  動水圧１", "02    50.000", "04     300.000", "01  動水圧２",
                    "02    -2.000", "03  10.825", "04     -20.000", "01  土圧・水圧"}));
    }
}

TEST(ForceTables, ANameLongerThanItsColumnIsPrintedWhole) {
    ReportFixture f;
    f.report->input.force_normal_count = 2;
    f.report->input.forces_normal[0] = {"ABCDEFGHIJKLMNOPQRSTUVWXY", 1.0, 0.0};
    f.report->input.forces_normal[1] = {"AB", 1.0, 0.0};
    const auto lines = f.page([&](PageFile& p) { write_force_moment_table(p, *f.report, 0); });
    EXPECT_TRUE(
        in_order(lines, {"01  ABCDEFGHIJKLMNOPQRSTUVWXY", "01  AB" + std::string(18, ' ')}));
}

} // namespace
} // namespace wtn
