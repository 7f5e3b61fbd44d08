#include "kuroda_hiroi.h"

#include "wave_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

TEST(KurodaHiroiFlags, PortStandardTestsStrictlyOthersInclusively) {
    struct Case {
        bool port;
        double h13, d, beta;
        int breaking, wide;
    } cases[] = {
        {true, 2.0, 4.0, 45.0, 0, 0},  // 2 H1/3 = d, beta = 45: standing, not wide
        {false, 2.0, 4.0, 45.0, 1, 1}, // the same data break and are wide
        {true, 2.01, 4.0, 45.01, 1, 1},
        {false, 1.99, 4.0, 44.99, 0, 0},
    };
    for (const auto& c : cases) {
        WaveCommon w;
        w.significant_height = c.h13;
        w.depth_d = c.d;
        w.depth_h = 9.0;
        w.incidence_angle = c.beta;
        KurodaHiroiValues v;
        kuroda_hiroi_flags(w, c.port, true, v);
        EXPECT_EQ(v.breaking, c.breaking) << c.port << " " << c.h13;
        EXPECT_EQ(v.wide_angle, c.wide) << c.port << " " << c.beta;
        EXPECT_DOUBLE_EQ(v.depth_used, 9.0);
        kuroda_hiroi_flags(w, c.port, false, v);
        EXPECT_DOUBLE_EQ(v.depth_used, 4.0);
    }
}

// Standing wave at a tide level +2.00: H 2, L 40, D 8, w0 10.1.
WaveCommon standing_wave(double beta) {
    WaveCommon w;
    w.wave_height = 2.0;
    w.significant_height = 1.0;
    w.tide_level = 2.0;
    w.depth_h = 8.0;
    w.depth_h_dash = 12.0;
    w.depth_d = 8.0;
    w.incidence_angle = beta;
    w.wave_length = 40.0;
    w.water_unit_weight = 10.1;
    return w;
}

TEST(KurodaHiroiPressure, StandingWaveAgreesWithHandCalculation) {
    // 6.28 x 8 / 40 = 1.256: tanh = 0.85015, cosh = 1.89818
    // delta0 = (1 / 0.85015) x 3.14 x 4 / 40 = 0.36935 -> 0.369
    // p_b = 10.1 x 2 / 1.89818 = 10.6418 -> 10.642
    // p_s = (10.1 x 8 + 10.642) x 2.369 / 10.369 = 20.8917 -> 20.892
    // port standard, beta 40: p = 1.5 x 10.1 x 2 x cos^2 40 = 17.7808 -> 17.781
    const WaveCommon w = standing_wave(40.0);
    KurodaHiroiValues v;
    kuroda_hiroi_flags(w, true, true, v);
    ASSERT_EQ(v.breaking, 0);
    kuroda_hiroi_pressure(w, {true, false}, v);
    EXPECT_DOUBLE_EQ(v.level_rise, 0.369);
    EXPECT_DOUBLE_EQ(v.pressure_at_depth, 10.642);
    EXPECT_DOUBLE_EQ(v.pressure_at_tide, 20.892);
    EXPECT_DOUBLE_EQ(v.pressure, 17.781);
    // Other standards take no angle into the band pressure: 1.5 x 10.1 x 2.
    kuroda_hiroi_pressure(w, {false, false}, v);
    EXPECT_DOUBLE_EQ(v.pressure, 30.3);
}

TEST(KurodaHiroiPressure, BreakingWaveByWorksAndAngle) {
    struct Case {
        bool port, works;
        double beta, p;
    } cases[] = {
        {true, true, 40.0, 15.474},   // 1.0 x 10.1 x 2 x cos 40
        {true, true, 50.0, 14.14},    // wide angle: 0.7 x 10.1 x 2
        {true, false, 50.0, 12.519},  // 1.5 x 10.1 x 2 x cos^2 50, whatever the angle
        {false, false, 40.0, 17.781}, // 1.5 x 10.1 x 2 x cos^2 40
        {false, false, 45.0, 15.15},  // wide angle: 0.75 x 10.1 x 2
    };
    for (const auto& c : cases) {
        WaveCommon w = standing_wave(c.beta);
        w.significant_height = 5.0;
        KurodaHiroiValues v;
        kuroda_hiroi_flags(w, c.port, true, v);
        ASSERT_EQ(v.breaking, 1);
        kuroda_hiroi_pressure(w, {c.port, c.works}, v);
        EXPECT_DOUBLE_EQ(v.pressure, c.p) << c.port << c.works << " " << c.beta;
        EXPECT_EQ(v.pressure_at_tide, 0.0);
        EXPECT_EQ(v.level_rise, 0.0);
    }
}

TEST(KurodaHiroiDistribution, BreakingWaveIsUniformFromTheCrestToHDash) {
    for (bool works : {true, false}) {
        WaveCommon w = standing_wave(0.0);
        KurodaHiroiValues v;
        v.breaking = 1;
        v.pressure = 20.2;
        WaveDiagram d;
        kuroda_hiroi_distribution(w, v, works, 10.0, -10.0, d);
        const double crest = works ? 4.0 : 4.5; // eta = H or 1.25 H above the tide
        ASSERT_EQ(d.count, 2);
        EXPECT_DOUBLE_EQ(d.rows[0].level, 10.0);
        EXPECT_DOUBLE_EQ(d.rows[0].top, 0.0);
        EXPECT_DOUBLE_EQ(d.rows[1].level, crest);
        EXPECT_DOUBLE_EQ(d.rows[1].height, crest + 10.0);
        EXPECT_DOUBLE_EQ(d.rows[1].top, 20.2);
        EXPECT_DOUBLE_EQ(d.rows[1].bottom, 20.2);
        EXPECT_DOUBLE_EQ(d.rows[2].level, -10.0);
    }
}

// Pressure of the diagram at z, strictly inside a segment.
double diagram_value(const WaveDiagram& d, double z) {
    for (int i = 0; i < d.count; ++i) {
        const auto& r = d.rows[i];
        const double below = d.rows[i + 1].level;
        if (r.level > z && z > below)
            return r.top + (r.level - z) / (r.level - below) * (r.bottom - r.top);
    }
    ADD_FAILURE() << "no segment holds " << z;
    return 0.0;
}

// The standing-wave diagram is the line from 0 at the crest to p_s at the
// tide level and on to p_b at the depth D, raised to at least p within half a
// wave height of the tide level and nowhere else.
TEST(StandingWaveBand, DiagramIsTheWaveLineRaisedToPWithinTheBand) {
    struct Case {
        const char* name;
        bool port;
        double depth; // D
        double z_h_dash;
    } cases[] = {
        {"p below p_s", true, 8.0, -10.0}, // the line runs on from -6.00 to h'
        {"p above p_s", false, 8.0, -5.0}, // the diagram ends below h' at -6.00
        {"band bottom below a shallow wave", false, 0.8, 1.2},
    };
    for (const auto& c : cases) {
        WaveCommon w = standing_wave(40.0);
        w.depth_h = c.depth;
        KurodaHiroiValues v;
        kuroda_hiroi_flags(w, c.port, true, v);
        v.breaking = 0;
        kuroda_hiroi_pressure(w, {c.port, false}, v);
        WaveDiagram d;
        kuroda_hiroi_distribution(w, v, false, 6.0, c.z_h_dash, d);

        const double eta0 = w.tide_level;
        const double crest = eta0 + v.level_rise + w.wave_height;
        const double e = 0.5 * w.wave_height;
        auto line = [&](double z) {
            if (z >= eta0) return v.pressure_at_tide * (crest - z) / (crest - eta0);
            return v.pressure_at_tide -
                   (v.pressure_at_tide - v.pressure_at_depth) * (eta0 - z) / c.depth;
        };
        const double bottom = std::min(eta0 - c.depth, c.z_h_dash);
        EXPECT_DOUBLE_EQ(d.rows[d.count].level, bottom) << c.name;
        for (double z = bottom + 0.013; z < 6.0; z += 0.05) {
            double expected = z > crest ? 0.0 : line(z);
            if (z < eta0 + e && z > eta0 - e) expected = std::max(expected, v.pressure);
            // The pressure may jump at the band edges and at the tide level.
            if (std::abs(z - (eta0 + e)) < 0.01 || std::abs(z - eta0) < 0.01 ||
                std::abs(z - (eta0 - e)) < 0.01)
                continue;
            EXPECT_NEAR(diagram_value(d, z), expected, 0.003) << c.name << " at " << z;
        }
        EXPECT_GE(find_wave_level(d, eta0 + e), 0) << c.name;
    }
}

TEST(KurodaHiroiDistribution, StandingWaveAboveHDashIsExtendedAlongItsLine) {
    // D 8 with h' 9: the bottom of the wave (-6.00) lies above h' (-7.00), so
    // the line p_s -> p_b runs on one metre: 10.642 - (20.892 - 10.642) / 8 = 9.361.
    WaveCommon w = standing_wave(40.0);
    KurodaHiroiValues v;
    kuroda_hiroi_flags(w, true, true, v);
    kuroda_hiroi_pressure(w, {true, false}, v);
    WaveDiagram d;
    kuroda_hiroi_distribution(w, v, false, 6.0, -7.0, d);
    EXPECT_DOUBLE_EQ(d.rows[d.count].level, -7.0);
    EXPECT_DOUBLE_EQ(d.rows[d.count].top, 9.361);
    EXPECT_DOUBLE_EQ(d.rows[d.count - 1].bottom, 9.361);
}

} // namespace
} // namespace wtn
