#include "goda.h"
#include "wave_inputs.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

// Tide level +2.00 with the ground in front at -8.00 (h = 10), h' and d at
// -6.00 (8), h_b 11, L 60, beta 0, H1/3 2.35 with the breaking-wave influence
// switch 1, lambda1 = lambda2 = 1, current input version.
WaveCommon example_wave() {
    WaveCommon w;
    w.wave_height = goda_wave_height(BreakingInfluence::NotInfluenced, 2.35, 0.0);
    w.significant_height = 2.35;
    w.tide_level = 2.0;
    w.depth_h = 10.0;
    w.depth_h_dash = 8.0;
    w.depth_d = 8.0;
    w.incidence_angle = 0.0;
    w.wave_length = 60.0;
    w.water_unit_weight = 10.1;
    return w;
}

GodaValues example_goda(const WaveCommon& w, GodaOptions options = {1.0, 1.0, 1}) {
    GodaValues g;
    g.breaking_depth = 11.0;
    goda_pressure(w, options, g);
    return g;
}

TEST(GodaPressure, OneTideLevelAgreesWithHandCalculation) {
    // H     = round2(1.8 x 2.35) = 4.23
    // eta*  = 0.75 x 2 x 1 x 4.23 = 6.345
    // x     = 12.56 x 10 / 60 = 2.09333; x / sinh x = 0.52406
    // alpha1 = 0.6 + 0.5 x 0.52406^2 = 0.73732 -> 0.737
    // a = (3 / 33) x (4.23 / 8)^2 = 0.025416 -> 0.025;  b = 16 / 4.23 = 3.7825
    // alpha3 = 1 - 0.8 x (1 - 1 / cosh(1.04667)) = 1 - 0.8 x 0.37485 -> 0.700
    // p1 = 0.5 x 2 x (0.737 + 0.025) x 1.03 x 9.81 x 4.23 = 32.5688 -> 32.569
    // p2 = 32.569 / 1.59962 = 20.3604 -> 20.360;  p3 = 0.7 x 32.569 -> 22.798
    const WaveCommon w = example_wave();
    const GodaValues g = example_goda(w);
    EXPECT_DOUBLE_EQ(w.wave_height, 4.23);
    EXPECT_DOUBLE_EQ(g.crest_height, 6.345);
    EXPECT_DOUBLE_EQ(g.alpha1, 0.737);
    EXPECT_DOUBLE_EQ(g.alpha2a, 0.025);
    EXPECT_DOUBLE_EQ(g.alpha2b, 3.783);
    EXPECT_DOUBLE_EQ(g.alpha2, 0.025);
    EXPECT_EQ(g.alpha2_choice, 0);
    EXPECT_DOUBLE_EQ(g.alpha3, 0.7);
    EXPECT_DOUBLE_EQ(g.p1, 32.569);
    EXPECT_DOUBLE_EQ(g.p2, 20.36);
    EXPECT_DOUBLE_EQ(g.p3, 22.798);
}

TEST(GodaPressure, SecondExpressionOfAlpha2WhenSmaller) {
    // d = 2: a = (9 / 33) x (4.23 / 2)^2 = 1.2200, b = 4 / 4.23 = 0.9456.
    WaveCommon w = example_wave();
    w.depth_d = 2.0;
    const GodaValues g = example_goda(w);
    EXPECT_DOUBLE_EQ(g.alpha2a, 1.22);
    EXPECT_DOUBLE_EQ(g.alpha2b, 0.946);
    EXPECT_DOUBLE_EQ(g.alpha2, 0.946);
    EXPECT_EQ(g.alpha2_choice, 1);
}

TEST(GodaPressure, OlderInputVersionUsesWaterWeightAndDropsAlpha2BelowLambdaOne) {
    WaveCommon w = example_wave();
    // lambda1 0.8: p1 = 0.5 x 2 x 0.8 x 0.737 x 10.1 x 4.23 = 25.1895 -> 25.189
    EXPECT_DOUBLE_EQ(example_goda(w, {0.8, 1.0, 0}).p1, 25.189);
    // lambda1 1.0: p1 = (0.737 + 0.025) x 10.1 x 4.23 = 32.5549 -> 32.555
    EXPECT_DOUBLE_EQ(example_goda(w, {1.0, 0.0, 0}).p1, 32.555);
}

TEST(GodaPressure, HmaxIsTakenAsGivenWithoutBreakingInfluence) {
    EXPECT_DOUBLE_EQ(goda_wave_height(BreakingInfluence::Influenced, 2.35, 3.9), 3.9);
}

struct RowExpect {
    double level, height, top, bottom;
};

void expect_rows(const WaveDiagram& d, std::initializer_list<RowExpect> rows) {
    ASSERT_EQ(d.count + 1, static_cast<int>(rows.size()));
    int i = 0;
    for (const auto& r : rows) {
        EXPECT_DOUBLE_EQ(d.rows[i].level, r.level) << "row " << i;
        EXPECT_NEAR(d.rows[i].height, r.height, 1e-9) << "row " << i;
        EXPECT_DOUBLE_EQ(d.rows[i].top, r.top) << "row " << i;
        EXPECT_DOUBLE_EQ(d.rows[i].bottom, r.bottom) << "row " << i;
        ++i;
    }
}

TEST(GodaDistribution, WallTopAboveCrestAndHDashAboveH) {
    const WaveCommon w = example_wave();
    const GodaValues g = example_goda(w);
    WaveDiagram d;
    goda_distribution(w, g, 10.0, -6.0, -8.0, d);
    expect_rows(d, {{10.0, 1.655, 0, 0},
                    {8.345, 6.345, 0, 32.569},
                    {2.0, 8.0, 32.569, 22.798},
                    {-6.0, 2.0, 22.798, 20.36},
                    {-8.0, 0.0, 20.36, 20.36}});
    EXPECT_EQ(d.h_dash_row, 3);
}

TEST(GodaDistribution, CrestAboveWallTopAndHDashEqualToH) {
    WaveCommon w = example_wave();
    w.depth_h_dash = 10.0005;
    const GodaValues g = example_goda(w);
    WaveDiagram d;
    goda_distribution(w, g, 5.0, -8.0005, -8.0, d);
    expect_rows(
        d, {{8.345, 6.345, 0, 32.569}, {2.0, 10.0005, 32.569, g.p3}, {-8.0005, 0.0, 0.0, 0.0}});
    EXPECT_EQ(d.h_dash_row, 2);
}

} // namespace
} // namespace wtn
