#include "layer_model.h"

#include "section_fixture.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::clay_layer;
using test::layer;
using test::stop_text;

TEST(LayerModel, TwoSandLayersAreSplitAtEveryCharacteristicLevel) {
    const InputRecord in = test::two_sand_section();
    LoadModel m;
    clear_load_tables(m);
    prepare_layer_model(in, test::plain_customisation(), m);

    // Land rows: 999.99 (raised first top), +3.0 superstructure, +2.0 crown,
    // +0.5 residual water, -4.0 second sand, -25.0 closing row. The seabed
    // minus 10 (-18) lies in sand: no row.
    ASSERT_EQ(m.land_count, 6);
    const double tops[] = {999.99, 3.0, 2.0, 0.5, -4.0, -25.0};
    for (int i = 0; i < 6; ++i)
        EXPECT_DOUBLE_EQ(m.land_calc[i].top, tops[i]) << i;
    EXPECT_EQ(m.index.superstructure_crown, 1);
    EXPECT_EQ(m.index.ground_crown, 2);
    EXPECT_EQ(m.index.residual_water, 3);
    EXPECT_EQ(m.index.land_seabed, -1);
    EXPECT_EQ(m.index.seabed_minus_10, -1);

    // Overburden: 1.5 x 18 = 27 above the water, then 4.5 x 10 = 45, 21 x 10 = 210.
    EXPECT_DOUBLE_EQ(m.land_calc[2].sigma_top, 0.0);
    EXPECT_DOUBLE_EQ(m.land_calc[2].sigma_bottom, 27.0);
    EXPECT_DOUBLE_EQ(m.land_calc[3].sigma_bottom, 72.0);
    EXPECT_DOUBLE_EQ(m.land_calc[4].sigma_bottom, 282.0);
    EXPECT_DOUBLE_EQ(m.land_calc[1].sigma_bottom, 0.0); // above the crown
    // Below the water: heights under the residual water level and the sums
    // of the rows above (wet 27; saturated 4.5 x 20 = 90, used 45 for row 4).
    EXPECT_DOUBLE_EQ(m.land_calc[4].water_height_top, 4.5);
    EXPECT_DOUBLE_EQ(m.land_calc[4].water_height_bottom, 25.5);
    EXPECT_DOUBLE_EQ(m.land_calc[4].wet_overburden, 27.0);
    EXPECT_DOUBLE_EQ(m.land_calc[4].saturated_overburden, 90.0);
    EXPECT_DOUBLE_EQ(m.land_calc[4].used_overburden, 45.0);
    EXPECT_DOUBLE_EQ(m.land_calc[3].saturated_overburden, 0.0);
    EXPECT_NEAR(m.land_calc[4].phi, 35.0 * 3.141592653589793 / 180.0, 1e-15);
    // With the crown above the water the customisation may measure the heights
    // from the crown instead: 2.0 - (-4.0) = 6.0.
    CustomisationValues from_crown = test::plain_customisation();
    from_crown.apparent_land_depth_rule = from_file_value<LandDepthOrigin>(1);
    LoadModel c;
    prepare_layer_model(in, from_crown, c);
    EXPECT_DOUBLE_EQ(c.land_calc[4].water_height_top, 6.0);
    EXPECT_DOUBLE_EQ(c.land_calc[3].water_height_top, 1.5);

    // Sea rows: -8.0 seabed, -25.0; the L.W.L. lies above them (no row).
    ASSERT_EQ(m.sea_count, 2);
    EXPECT_EQ(m.index.sea_seabed, 0);
    EXPECT_EQ(m.index.lwl, -1);
    EXPECT_DOUBLE_EQ(m.sea_calc[0].sigma_bottom, 170.0);
    EXPECT_DOUBLE_EQ(m.sea_calc[0].water_height_top, 8.0);
    EXPECT_DOUBLE_EQ(m.sea_calc[0].kh, 5000.0);
    EXPECT_DOUBLE_EQ(m.sea_calc[1].top, -25.0);
}

TEST(LayerModel, ACohesiveLastLayerAcrossTheSeabedIsSplitThere) {
    // Interpolation method: the seabed must become a boundary of a clay layer
    // that spans it, also when that clay is the last layer down to the soil's
    // lower limit.
    InputRecord in = test::two_sand_section();
    in.swdat.earth_pressure_method = EarthPressureMethod::InterpolatedBelowSeabed;
    in.land_layers[1] = clay_layer(-4.0, 30.0, 0.0);
    LoadModel m;
    prepare_layer_model(in, test::plain_customisation(), m);
    EXPECT_EQ(m.clay_at_seabed, 1);
    ASSERT_GE(m.index.land_seabed, 0);
    EXPECT_DOUBLE_EQ(m.land_calc[m.index.land_seabed].top, -8.0);
    // The clay from the seabed down also has a row at the seabed minus 10.
    EXPECT_DOUBLE_EQ(m.land_calc[m.index.seabed_minus_10].top, -18.0);
    // Clay within 10 m below the seabed: sigma at -18 = sigma(-8) + 10 x 7.
    const LandLayerCalc& below = m.land_calc[m.index.land_seabed];
    EXPECT_DOUBLE_EQ(below.sigma_minus10, below.sigma_top + 70.0);
    EXPECT_DOUBLE_EQ(below.cohesion_minus10, 30.0);

    in.swdat.earth_pressure_method =
        EarthPressureMethod::NotInterpolated; // no interpolation: no seabed row
    LoadModel plain;
    prepare_layer_model(in, test::plain_customisation(), plain);
    EXPECT_EQ(plain.clay_at_seabed, 0);
    EXPECT_EQ(plain.index.land_seabed, -1);
}

TEST(LayerModel, InputChecksStopWithTheirMessages) {
    struct Case {
        const char* name;
        void (*change)(InputRecord&);
        const char* text;
    } cases[] = {
        {"land tops rise", [](InputRecord& in) { in.land_layers[1].top = 2.5; },
         "error: (ERROR)-陸側の土層の標高が逆転しています."},
        {"lower limit above the last land top",
         [](InputRecord& in) { in.joken.soil_bottom = -3.0; },
         "error: (ERROR)-陸側の土層の標高が逆転しています."},
        {"lower limit above the last sea top",
         [](InputRecord& in) {
             in.land_layer_count = 1;
             in.sea_layers[0].top = -8.0;
             in.joken.soil_bottom = -8.0;
         },
         "error: (ERROR)-海側の土層の標高が逆転しています."},
        {"land above the superstructure", [](InputRecord& in) { in.land_layers[0].top = 3.5; },
         "error: (ERROR)-陸側土層の開始位置が上部工天端位置より上になっています."},
        {"sea below the seabed", [](InputRecord& in) { in.sea_layers[0].top = -9.0; },
         "error: (ERROR)-海側土層の開始位置が設計海底面位置より下になっています."},
        {"residual water below the soil", [](InputRecord& in) { in.joken.residual_level = -30.0; },
         "error: (ERROR)-陸側の土層内に残留水位がありません."},
        {"negative cohesion",
         [](InputRecord& in) { in.land_layers[1] = clay_layer(-4.0, 5.0, -2.0); },
         "error: (ERROR)-粘着力Ｃが－値になりました."},
        {"sea seabed not in the sea layers",
         [](InputRecord& in) {
             in.sea_layers[0].top = -7.0;
             in.joken.design_seabed = -26.0;
         },
         "error: (ERROR)-海側の土層内に海底面がありません."},
    };
    for (const Case& c : cases) {
        InputRecord in = test::two_sand_section();
        c.change(in);
        LoadModel m;
        EXPECT_EQ(stop_text([&] { prepare_layer_model(in, test::plain_customisation(), m); }),
                  c.text)
            << c.name;
    }
}

// Embankment shape: ground points and fills behind the wall.
InputRecord embankment(std::initializer_list<GroundPoint> points,
                       std::initializer_list<FillRow> fills) {
    InputRecord in = test::two_sand_section();
    in.swdat.ground_shape = GroundShape::Embankment;
    for (const GroundPoint& p : points)
        in.ground_points[in.ground_point_count++] = p;
    for (const FillRow& f : fills)
        in.fills[in.fill_count++] = f;
    return in;
}

TEST(LayerModel, EmbankmentChecksOfFillsAndSurcharges) {
    const FillRow fill{4.0, 18.0, 10.0, 20.0};
    struct Case {
        const char* name;
        InputRecord in;
        const char* text;
    } cases[] = {
        // Flat means level with the first ground point.
        {"flat ground with fills", embankment({{10, 3.0}, {20, 3.0}}, {fill}),
         "error: (ERROR)-地表面形状のレベルが天端位置の場合、盛土土層は必要ありません."},
        {"uneven ground without fills", embankment({{0, 2.0}, {10, 4.0}, {20, 4.0}}, {}),
         "error: (ERROR)-盛土の土層が検出できません."},
        {"fill ending below the crown",
         embankment({{0, 2.0}, {10, 4.0}, {20, 4.0}}, {fill, {1.5, 18, 10, 20}}),
         "error: (ERROR)-盛土データの終了位置が地表面天端位置よりも低くなっています."},
        {"fills rising", embankment({{0, 2.0}, {10, 4.0}, {20, 4.0}}, {fill, {4.5, 18, 10, 20}}),
         "error: (ERROR)-盛土の標高が逆転しています."},
        {"ground above the first fill", embankment({{0, 2.0}, {10, 4.5}}, {fill}),
         "error: (ERROR)-盛土の開始ﾚﾍﾞﾙは、最大の地表面ﾚﾍﾞﾙより高い位置にして下さい."},
    };
    for (const Case& c : cases) {
        LoadModel m;
        EXPECT_EQ(stop_text([&] { prepare_layer_model(c.in, test::plain_customisation(), m); }),
                  c.text)
            << c.name;
    }

    // Overlapping surcharge zones: refused for the embankment, accepted for
    // the straight shape.
    InputRecord in = embankment({{0, 4.0}, {30, 4.0}}, {fill});
    in.surcharges[0] = SurchargeRow{0.0, 10.0, 10.0, 5.0};
    in.surcharges[1] = SurchargeRow{8.0, 20.0, 10.0, 5.0};
    in.surcharge_count = 2;
    LoadModel m;
    EXPECT_EQ(stop_text([&] { check_surcharge_zones(in, m); }),
              "error: (ERROR)-上載荷重が重複しています。");
    in.swdat.ground_shape = GroundShape::Straight;
    EXPECT_EQ(stop_text([&] { check_surcharge_zones(in, m); }), "");
}

TEST(LayerModel, GroundTableHoldsPointsZoneEdgesAndTheDummyRow) {
    // Crown +2; the ground rises from the wall to +4 at 10 m, then level to 30 m.
    InputRecord in =
        embankment({{0, 2.0}, {10, 4.0}, {10.00005, 4.00005}, {30, 4.0}}, {{5.0, 18, 10, 20}});
    in.surcharges[0] = SurchargeRow{-5.0, 5.0, 10.0, 5.0}; // starts before the wall
    in.surcharges[1] = SurchargeRow{20.0, 40.0, 8.0, 4.0}; // ends beyond the last point
    in.surcharges[2] = SurchargeRow{50.0, 60.0, 6.0, 3.0}; // wholly beyond
    in.surcharge_count = 3;
    LoadModel m;
    build_ground_table(in, m);
    CustomisationValues custom = test::plain_customisation();
    extend_ground_table(custom, m);
    // Rows: wall (0, 2), zone end 5 at the mid-slope level 3, (10, 4),
    // zone start 20, (30, 4), 40, 50, 60 on the level extension, dummy 70.
    // The repeated point within 0.0001 adds nothing.
    struct Row {
        double d, z, normal;
    } rows[] = {{0, 2, 10}, {5, 3, 0},  {10, 4, 0}, {20, 4, 8}, {30, 4, 8},
                {40, 4, 0}, {50, 4, 6}, {60, 4, 0}, {70, 4, 0}};
    ASSERT_EQ(m.ground_count, 9);
    for (int r = 0; r < 9; ++r) {
        EXPECT_DOUBLE_EQ(m.ground[r].distance, rows[r].d) << r;
        EXPECT_DOUBLE_EQ(m.ground[r].level, rows[r].z) << r;
        EXPECT_DOUBLE_EQ(m.ground[r].surcharge_normal, rows[r].normal) << r;
    }
}

TEST(LayerModel, CaseRangeAndNormalisation) {
    InputRecord in = test::two_sand_section();
    struct Case {
        int cases, first, end;
        double normal, seismic;
    } table[] = {{1, 0, 1, 10.0, 0.0}, {2, 1, 2, 0.0, 5.0}, {3, 0, 2, 10.0, 5.0}};
    for (const Case& c : table) {
        InputRecord copy = in;
        copy.swdat.completed_cases = from_file_value<CompletedCases>(c.cases);
        copy.joken.ground_angle = 5.0;
        normalise_case_inputs(copy);
        EXPECT_EQ(completed_case_range(copy.swdat.completed_cases).first, c.first);
        EXPECT_EQ(completed_case_range(copy.swdat.completed_cases).end, c.end);
        EXPECT_DOUBLE_EQ(copy.joken.surcharge_normal, c.normal);
        EXPECT_DOUBLE_EQ(copy.joken.surcharge_seismic, c.seismic);
        EXPECT_DOUBLE_EQ(copy.joken.ground_angle, 5.0); // straight shape keeps its slope
    }
    in.swdat.ground_shape = GroundShape::Embankment;
    in.joken.ground_angle = 5.0;
    in.neire.seismic_rule = SeismicCoefficientRule::Given;
    normalise_case_inputs(in);
    EXPECT_DOUBLE_EQ(in.joken.ground_angle, 0.0);
    EXPECT_DOUBLE_EQ(in.neire.regional_factor, 0.0); // the factors are left as entered
}

} // namespace
} // namespace wtn
