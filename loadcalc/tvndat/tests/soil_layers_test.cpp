#include "soil_layers.h"

#include "stop_capture.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::stop_text;

SoilLayerRow sand(double top, double phi = 30.0) {
    SoilLayerRow r;
    r.top = top;
    r.wet_weight = 18.0;
    r.submerged_weight = 10.0;
    r.saturated_weight = 20.0;
    r.friction_angle = phi;
    return r;
}

SoilLayerRow clay(double top, double c0, double k) {
    SoilLayerRow r = sand(top, 0.0);
    r.cohesion = c0;
    r.cohesion_increase = k;
    return r;
}

LayerTable table(std::initializer_list<SoilLayerRow> rows, double lower_limit) {
    LayerTable t;
    for (const SoilLayerRow& r : rows)
        t.rows[t.count++] = r;
    append_bottom_row(t, lower_limit);
    return t;
}

TEST(SoilLayers, SplittingAClayLayerCarriesTheCohesionAtTheNewBoundary) {
    // Clay from +2 to -8 over sand to -20; C0 = 10 at the reference level 0,
    // K = 2 per m: C(+2) = 6, C(-8) = 26, C(-3.5) = 17.
    LayerTable t = table({clay(2.0, 10.0, 2.0), sand(-8.0)}, -20.0);
    cohesion_at_layer_bounds(t, 0.0);
    EXPECT_DOUBLE_EQ(t.rows[0].cohesion_top, 6.0);
    EXPECT_DOUBLE_EQ(t.rows[0].cohesion_bottom, 26.0);

    EXPECT_EQ(split_land_layers(t, -3.5, kSplitResidualWater, 0.0), 0);
    ASSERT_EQ(t.count, 4);
    EXPECT_DOUBLE_EQ(t.rows[1].top, -3.5);
    EXPECT_DOUBLE_EQ(t.rows[0].cohesion_bottom, 17.0);
    EXPECT_DOUBLE_EQ(t.rows[1].cohesion_top, 17.0);
    EXPECT_DOUBLE_EQ(t.rows[1].cohesion_bottom, 26.0);
    EXPECT_DOUBLE_EQ(t.rows[1].cohesion, 10.0); // same soil below the boundary

    // A level within 0.0001 of a boundary inserts nothing; it is found there.
    EXPECT_EQ(split_land_layers(t, -3.50005, kSplitGroundCrown, 0.0), 0);
    EXPECT_EQ(t.count, 4);
    EXPECT_EQ(find_land_level(t, -3.50005), 1);
    EXPECT_EQ(find_land_level(t, -20.0), 3); // the closing row counts
    EXPECT_EQ(find_land_level(t, -3.6), -1);
}

TEST(SoilLayers, SeabedMinus10InsertsOnlyIntoClayAndIsOptional) {
    LayerTable t = table({sand(2.0), clay(-5.0, 20.0, 0.0)}, -30.0);
    EXPECT_EQ(split_land_layers(t, -3.0, kSplitSeabedMinus10, 0.0), 0); // inside the sand
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(split_land_layers(t, -12.0, kSplitSeabedMinus10, 0.0), 0); // inside the clay
    EXPECT_EQ(t.count, 4);
    EXPECT_EQ(split_land_layers(t, -35.0, kSplitSeabedMinus10, 0.0), -1); // below the soil
    EXPECT_EQ(t.count, 4);
}

TEST(SoilLayers, LevelsOutsideTheTablesStopWithTheirMessages) {
    struct Case {
        int kind;
        bool sea;
        const char* text;
    } cases[] = {
        {kSplitSeabed, false, "error: (ERROR)-陸側の土層内に海底面がありません."},
        {kSplitResidualWater, false, "error: (ERROR)-陸側の土層内に残留水位がありません."},
        {kSplitGroundCrown, false, "error: (ERROR)-陸側の土層内に地表面天端がありません."},
        {kSplitSuperstructureCrown, false, "error: (ERROR)-陸側の土層内に上部工天端がありません."},
        {kSplitSeaSeabed, true, "error: (ERROR)-海側の土層内に海底面がありません."},
    };
    for (const Case& c : cases) {
        LayerTable t = table({sand(2.0)}, -10.0);
        // The lower limit itself is not inside the table.
        EXPECT_EQ(stop_text([&] {
                      if (c.sea)
                          split_sea_layers(t, -10.0, c.kind, 0.0);
                      else
                          split_land_layers(t, -10.0, c.kind, 0.0);
                  }),
                  c.text);
    }
    LayerTable t = table({sand(2.0)}, -10.0);
    EXPECT_EQ(split_sea_layers(t, 3.0, kSplitLwl, 0.0), -1);
}

TEST(SoilLayers, InsertionBeyondTheTableRoomIsRefused) {
    LayerTable t;
    for (int i = 0; i < kLayerRoom - 1; ++i)
        t.rows[t.count++] = sand(-i * 1.0);
    append_bottom_row(t, -100.0);
    ASSERT_EQ(t.count, kLayerRoom);
    EXPECT_EQ(
        stop_text([&] { split_land_layers(t, -0.5, kSplitResidualWater, 0.0); }),
        "error: (ERROR)-土層の数が多すぎます.土層・盛土・分割位置と最下端を合わせて25行までです.");
    EXPECT_EQ(t.count, kLayerRoom);
}

TEST(SoilLayers, SeaSideNValuesOfClayComeFromTheCohesion) {
    // Clay 0 to -6 (mid -3), C0 = 30 at 0, K = 0: qu = 60, factor 40 gives N = 2.4.
    auto sea = [](int option, double n, double kh) {
        SoilLayerRow r = clay(0.0, 30.0, 0.0);
        r.resistance_option = from_file_value<LayerKhOption>(option);
        r.n_value = n;
        r.kh = kh;
        SoilLayerRow s = sand(-6.0);
        s.kh = 5000.0;
        return table({r, s}, -20.0);
    };
    LayerTable t = sea(2, 0.0, 0.0);
    derive_sea_n_values(t, from_file_value<EmbedmentMethod>(1), 0.0, 40.0);
    EXPECT_DOUBLE_EQ(t.rows[0].n_value, 2.4);
    EXPECT_EQ(t.rows[0].n_from_cohesion, 1);
    EXPECT_DOUBLE_EQ(t.rows[0].kh, 3600.0); // 1500 N

    t = sea(3, 0.0, 0.0);
    derive_sea_n_values(t, from_file_value<EmbedmentMethod>(2), 0.0, 40.0);
    EXPECT_DOUBLE_EQ(t.rows[0].kh, 4800.0); // chart line 1 is k_h = 2000 N

    // The C-type and S-type methods take one constant per side: nothing derived.
    t = sea(2, 0.0, 0.0);
    derive_sea_n_values(t, from_file_value<EmbedmentMethod>(3), 0.0, 40.0);
    EXPECT_DOUBLE_EQ(t.rows[0].n_value, 0.0);
    EXPECT_EQ(t.rows[0].n_from_cohesion, 0);

    // A given N value is kept, and then k_h is not tested.
    t = sea(2, 5.0, 0.0);
    derive_sea_n_values(t, from_file_value<EmbedmentMethod>(1), 0.0, 40.0);
    EXPECT_DOUBLE_EQ(t.rows[0].n_value, 5.0);

    t = sea(1, 0.0, 0.0);
    EXPECT_EQ(
        stop_text([&] { derive_sea_n_values(t, from_file_value<EmbedmentMethod>(1), 0.0, 40.0); }),
        "error: (ERROR)-横方向地盤反力係数又は、横抵抗定数が0.0になっています.");
    t = sea(2, 0.0, 0.0);
    t.rows[0].cohesion = 0.0;
    EXPECT_EQ(
        stop_text([&] { derive_sea_n_values(t, from_file_value<EmbedmentMethod>(1), 0.0, 40.0); }),
        "error: (ERROR)-計算したＮ値が 0.0 になりました.");
}

TEST(SoilLayers, FillRowsGoOnTopOfTheLandSideAndTheFirstTopIsRaised) {
    InputRecord input;
    input.swdat.ground_shape = GroundShape::Embankment;
    input.fill_count = 2;
    input.fills[0] = FillRow{6.0, 17.0, 9.0, 19.0};
    input.fills[1] = FillRow{4.5, 16.0, 8.0, 18.0};
    LayerTable t = table({sand(3.0), sand(-5.0)}, -20.0);
    insert_fill_layers(t, input);
    ASSERT_EQ(t.count, 5);
    EXPECT_DOUBLE_EQ(t.rows[0].top, kTopOfLandTable);
    EXPECT_DOUBLE_EQ(t.rows[0].wet_weight, 17.0);
    EXPECT_DOUBLE_EQ(t.rows[1].top, 4.5);
    EXPECT_DOUBLE_EQ(t.rows[1].saturated_weight, 18.0);
    EXPECT_DOUBLE_EQ(t.rows[1].friction_angle, 0.0);
    EXPECT_DOUBLE_EQ(t.rows[1].n_value, 1.0);
    EXPECT_DOUBLE_EQ(t.rows[2].top, 3.0);
    EXPECT_DOUBLE_EQ(t.rows[4].top, -20.0);

    input.swdat.ground_shape = GroundShape::Straight; // straight: fills ignored, first top raised
    t = table({sand(3.0)}, -20.0);
    insert_fill_layers(t, input);
    EXPECT_EQ(t.count, 2);
    EXPECT_DOUBLE_EQ(t.rows[0].top, kTopOfLandTable);
}

} // namespace
} // namespace wtn
