#include "wave_forces.h"

#include "goda.h"
#include "program_stop.h"
#include "wave_diagram.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace wtn {
namespace {

constexpr double kSeabed = -8.0;

WaveCommon tide_at_two() {
    WaveCommon w;
    w.tide_level = 2.0;
    w.water_unit_weight = 10.1;
    return w;
}

// Goda's diagram of the pressure tests: wall top +10.00 above the crest
// +8.345, p1 32.569 at the tide +2.00, p3 22.798 at h' -6.00, p2 20.36 at h -8.00.
WaveDiagram goda_diagram() {
    WaveDiagram d;
    d.rows[0] = {0, 10.0, 1.655, 0.0, 0.0};
    d.rows[1] = {0, 8.345, 6.345, 0.0, 32.569};
    d.rows[2] = {0, 2.0, 8.0, 32.569, 22.798};
    d.rows[3] = {0, -6.0, 2.0, 22.798, 20.36};
    d.rows[4] = {0, -8.0, 0.0, 20.36, 20.36};
    d.count = 4;
    d.wall_top_row = 0;
    d.h_dash_row = 3;
    return d;
}

TEST(StillWaterPressure, TriangleFromTheTideToTheSeabed) {
    // p = (2 + 8) x 10.1 = 101.0; force = 0.5 x 101 x 10 = 505.0
    // centroid (101 / 3, (2 - 16) / 3) = (33.667, -4.667); arm 3.333
    // moment = 505 x 3.333 = 1683.165
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), true, kSeabed, s, r);
    EXPECT_DOUBLE_EQ(s.width, 101.0);
    EXPECT_DOUBLE_EQ(s.height, 10.0);
    EXPECT_DOUBLE_EQ(s.force, 505.0);
    EXPECT_DOUBLE_EQ(s.centroid_value, 33.667);
    EXPECT_DOUBLE_EQ(s.centroid_level, -4.667);
    EXPECT_NEAR(s.lever_arm, 3.333, 1e-12);
    EXPECT_DOUBLE_EQ(s.moment, 1683.165);
    EXPECT_DOUBLE_EQ(r.total_force, 505.0);
    EXPECT_DOUBLE_EQ(r.total_moment, 1683.165);

    still_water_pressure(tide_at_two(), false, kSeabed, s, r);
    EXPECT_EQ(s.force, 0.0);
    EXPECT_EQ(s.width, 0.0);
    EXPECT_EQ(r.total_force, 0.0);
}

TEST(WaveForces, GodaDiagramDownToHDashGivesItsAreaAndMoment) {
    // Crest triangle 0.5 x 32.569 x 6.345 = 103.325; the trapezoid from the
    // tide to h' as two triangles 0.5 x 32.569 x 8 = 130.276 and
    // 0.5 x 22.798 x 8 = 91.192: 324.793 in all. Its first moment about the
    // seabed -8.00 is 2632.704 (103.3252 x 12.115 + 130.276 x 7.3333 +
    // 91.192 x 4.6667); the pieces' rounded centroids give 2632.689.
    WaveDiagram d = goda_diagram();
    WaveForces f;
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), false, kSeabed, s, r);
    wave_forces(tide_at_two(), kSeabed, d, f, r);
    ASSERT_EQ(f.count, 3);
    const double forces[] = {103.325, 130.276, 91.192};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.rows[i].kind, 0);
        EXPECT_DOUBLE_EQ(f.rows[i].force, forces[i]);
    }
    // The crest triangle lies above the tide: its centroid value is p1 / 3.
    EXPECT_DOUBLE_EQ(f.rows[0].centroid_value, 10.856);
    EXPECT_DOUBLE_EQ(f.rows[0].centroid_level, 4.115);
    EXPECT_DOUBLE_EQ(r.wave_force, 324.793);
    EXPECT_NEAR(r.wave_moment, 2632.704, 0.05);
    EXPECT_DOUBLE_EQ(r.total_force, r.wave_force);
    EXPECT_DOUBLE_EQ(r.resultant_height, 8.106);
    // Rows above the tide are cut as such, the tide row below it, h' on not at all.
    const int kinds[] = {1, 1, 0, -1, 0};
    for (int i = 0; i <= d.count; ++i)
        EXPECT_EQ(d.rows[i].kind, kinds[i]) << "row " << i;
}

TEST(WaveForces, StillWaterJoinsTheTotals) {
    WaveDiagram d = goda_diagram();
    WaveForces f;
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), true, kSeabed, s, r);
    wave_forces(tide_at_two(), kSeabed, d, f, r);
    EXPECT_DOUBLE_EQ(r.wave_force, 324.793);
    EXPECT_DOUBLE_EQ(r.total_force, 829.793);
    EXPECT_DOUBLE_EQ(r.resultant_height, 5.201); // (2632.689 + 1683.165) / 829.793
}

TEST(WaveForces, WithoutAnHDashRowThePiecesRunToTheBottom) {
    // The h' -> h trapezoid adds 0.5 x (22.798 + 20.36) x 2 = 43.158.
    WaveDiagram d = goda_diagram();
    d.h_dash_row = -1;
    WaveForces f;
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), false, kSeabed, s, r);
    wave_forces(tide_at_two(), kSeabed, d, f, r);
    EXPECT_EQ(f.count, 5);
    EXPECT_NEAR(r.wave_force, 367.951, 1e-9);
}

TEST(WaveForces, UniformPressureBelowAWallTopInsideTheCrest) {
    // Breaking wave 20.2 kN/m2 from the crest +4.50 to h' -10.00, wall top
    // +3.00: one rectangle 20.2 x 13 = 262.6 centred at -3.5, 6.5 above the
    // seabed -10.00: moment 1706.9.
    WaveDiagram d;
    d.rows[0] = {0, 4.5, 14.5, 20.2, 20.2};
    d.rows[1] = {0, -10.0, 0.0, 20.2, 20.2};
    d.count = 1;
    d.h_dash_row = 1;
    d.wall_top_row = locate_wave_level(d, 3.0);
    ASSERT_EQ(d.wall_top_row, 1);
    EXPECT_EQ(d.h_dash_row, 2);
    WaveForces f;
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), false, -10.0, s, r);
    wave_forces(tide_at_two(), -10.0, d, f, r);
    ASSERT_EQ(f.count, 1);
    EXPECT_EQ(f.rows[0].kind, 1);
    EXPECT_DOUBLE_EQ(f.rows[0].force, 262.6);
    EXPECT_DOUBLE_EQ(f.rows[0].centroid_level, -3.5);
    EXPECT_DOUBLE_EQ(f.rows[0].centroid_value, 10.1);
    EXPECT_DOUBLE_EQ(f.rows[0].moment, 1706.9);
    EXPECT_EQ(d.rows[1].kind, -1);
    EXPECT_DOUBLE_EQ(r.resultant_height, 6.5);
}

TEST(WaveForces, NoLoadAtAllStopsInsteadOfDividingByZero) {
    setenv("WTN_UI_PIPE", "0", 1);
    WaveDiagram d;
    d.rows[0] = {0, 4.0, 4.0, 0.0, 0.0};
    d.rows[1] = {0, 0.0, 0.0, 0.0, 0.0};
    d.count = 1;
    WaveForces f;
    PressureSegment s;
    WaveResultant r;
    still_water_pressure(tide_at_two(), false, kSeabed, s, r);
    EXPECT_THROW(wave_forces(tide_at_two(), kSeabed, d, f, r), ProgramStop);
}

} // namespace
} // namespace wtn
