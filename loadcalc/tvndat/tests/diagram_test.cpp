// Merged pressure diagram, virtual-seabed crossings and the cutting of a
// diagram into pieces, on small hand-made diagrams.
#include "net_forces.h"
#include "pressure_diagram.h"
#include "pressure_segments.h"
#include "virtual_seabed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace wtn {
namespace {

TEST(PressureDiagram, LevelsAreInterpolatedAlongFallingAndGrowingSegments) {
    // A segment from 0.0 m (10 kN/m2) down to -3.0 m (4 kN/m2): at -1.0 m the
    // pressure is 10 - 6/3 = 8, not 10 + 2.
    struct Case {
        double top, bottom, z, expected;
    };
    const Case cases[] = {{10.0, 4.0, -1.0, 8.0}, {4.0, 10.0, -1.0, 6.0}, {5.0, 5.0, -2.5, 5.0}};
    for (const Case& c : cases) {
        PressureRowTable rows;
        rows.count = 2;
        rows[0] = {0.0, c.top, c.bottom, 0.0, 0.0};
        rows[1] = {-3.0, 0.0, 0.0, 0.0, 0.0};
        ASSERT_TRUE(insert_diagram_level(rows, c.z));
        ASSERT_EQ(rows.count, 3);
        EXPECT_DOUBLE_EQ(rows[0].active_bottom, c.expected);
        EXPECT_DOUBLE_EQ(rows[1].level, c.z);
        EXPECT_DOUBLE_EQ(rows[1].active_top, c.expected);
        EXPECT_DOUBLE_EQ(rows[1].active_bottom, c.bottom);

        Segment land{0.0, -3.0, c.top, c.bottom};
        Segment sea{0.0, c.z, 1.0, 1.0};
        EXPECT_EQ(cut_longer_segment(land, sea), kCutLand);
        EXPECT_DOUBLE_EQ(land.bottom_value, c.expected);
        EXPECT_DOUBLE_EQ(land.bottom_level, c.z);
    }
}

TEST(PressureDiagram, LevelsNearARowOrOutsideTheTableAreNotInserted) {
    PressureRowTable rows;
    rows.count = 2;
    rows[0] = {0.0, 1.0, 2.0, 0.0, 0.0};
    rows[1] = {-3.0, 0.0, 0.0, 0.0, 0.0};
    for (const double z : {-0.005, -2.995, 0.5, -3.5})
        EXPECT_FALSE(insert_diagram_level(rows, z)) << z;
    EXPECT_EQ(rows.count, 2);
}

// Land side: crown +3.0, one layer to the bottom at -20.0, 10 -> 50 kN/m2.
// Sea side: seabed -10.0, one layer to -20.0, 0 -> 100 kN/m2.
std::vector<BoundaryPressure> land_boundaries() {
    return {{3.0, 10.0, 50.0}, {-20.0, 0.0, 0.0}};
}
std::vector<BoundaryPressure> sea_boundaries() {
    return {{-10.0, 0.0, 100.0}, {-20.0, 0.0, 0.0}};
}

TEST(PressureDiagram, SeabedRowIsKeptWhenTheLwlLiesJustAboveIt) {
    // The L.W.L. 0.005 m above the seabed must not keep the seabed row out.
    const auto land = land_boundaries();
    const auto sea = sea_boundaries();
    MergedDiagram d;
    merge_pressure_diagram(land, 0, sea, 0, -10.0, -9.995, {}, d);
    ASSERT_GE(d.seabed_row, 0);
    EXPECT_DOUBLE_EQ(d.rows[d.seabed_row].level, -10.0);
    EXPECT_EQ(d.rows.count - d.seabed_row, d.passive.count);
    for (int i = 0; i < d.passive.count; ++i)
        EXPECT_DOUBLE_EQ(d.rows[d.seabed_row + i].level, d.passive[i].level);
    // Land value at the seabed: 10 + 40 x 13/23.
    EXPECT_DOUBLE_EQ(d.rows[d.seabed_row].active_top,
                     std::round((10.0 + 40.0 * 13.0 / 23.0) * 1000.0) / 1000.0);
}

TEST(PressureDiagram, LandBoundaryJustBelowTheSeabedKeepsBothTablesInStep) {
    // A land boundary 0.005 m below the seabed: the seabed still becomes a row.
    const std::vector<BoundaryPressure> land = {
        {3.0, 10.0, 30.0}, {-10.005, 30.0, 50.0}, {-20.0, 0.0, 0.0}};
    const auto sea = sea_boundaries();
    MergedDiagram d;
    const double zero_levels[] = {-15.0};
    merge_pressure_diagram(land, 0, sea, 0, -10.0, 1.0, zero_levels, d);
    ASSERT_GE(d.seabed_row, 0);
    EXPECT_DOUBLE_EQ(d.rows[d.seabed_row].level, -10.0);
    ASSERT_EQ(d.rows.count - d.seabed_row, d.passive.count);
    for (int i = 0; i < d.passive.count; ++i)
        EXPECT_DOUBLE_EQ(d.rows[d.seabed_row + i].level, d.passive[i].level);
    EXPECT_DOUBLE_EQ(d.passive[d.passive.count - 2].level, -15.0);
}

TEST(VirtualSeabedCrossing, CrossingsAndTheirAbsence) {
    struct Case {
        const char* what;
        double z, dz;
        double a0, a1, p0, p1;
        bool found;
        double level, passive;
    };
    const Case cases[] = {
        // Active 20 -> 20, passive 0 -> 40 over 4 m: they meet halfway.
        {"crossing in a segment", -10.0, 4.0, 20.0, 20.0, 0.0, 40.0, true, -12.0, 20.0},
        {"passive below throughout", -10.0, 4.0, 20.0, 30.0, 0.0, 10.0, false, 0.0, 0.0},
        {"passive above throughout", -10.0, 4.0, 20.0, 30.0, 25.0, 40.0, false, 0.0, 0.0},
        // Lines that coincide: balance from the top of the stretch on.
        {"coinciding lines", -10.0, 4.0, 20.0, 30.0, 20.0, 30.0, true, -10.0, 20.0},
        {"jump at a boundary", -10.0, 0.0, 20.0, 20.0, 5.0, 35.0, true, -10.0, 35.0},
    };
    for (const Case& c : cases) {
        const double a[2] = {c.a0, c.a1};
        const double p[2] = {c.p0, c.p1};
        Crossing out;
        ASSERT_EQ(crossing_in_segment(c.z, c.dz, a, p, out), c.found) << c.what;
        if (!c.found) continue;
        EXPECT_DOUBLE_EQ(out.level, c.level) << c.what;
        EXPECT_DOUBLE_EQ(out.passive, c.passive) << c.what;
    }
}

TEST(PressureSegments, TrapezoidsBecomeRectanglesTrianglesOrNothing) {
    RowTable<PressureSegment, 8> table;
    SegmentSums sums;
    SegmentSink sink(table, "test", sums);
    sink.add_trapezoid(0.0, 0.0, 0.0, -2.0, -5.0);
    EXPECT_EQ(table.count, 0);
    sink.add_trapezoid(6.0, 6.0, 0.0, -2.0, -5.0); // rectangle 6 x 2, centroid -1.0, arm 4.0
    ASSERT_EQ(table.count, 1);
    EXPECT_EQ(table[0].kind, kSegmentRectangle);
    EXPECT_DOUBLE_EQ(table[0].force, 12.0);
    EXPECT_DOUBLE_EQ(table[0].moment, 48.0);
    sink.add_trapezoid(0.0, 6.0, 0.0, -3.0,
                       -5.0); // one triangle, base at the bottom: 9 kN/m at -2.0
    ASSERT_EQ(table.count, 2);
    EXPECT_EQ(table[1].kind, kSegmentTriangle);
    EXPECT_DOUBLE_EQ(table[1].force, 9.0);
    EXPECT_DOUBLE_EQ(table[1].centroid_level, -2.0);
    EXPECT_DOUBLE_EQ(table[1].moment, 27.0);
    sink.add_trapezoid(2.0, 8.0, 0.0, -3.0, -5.0); // two triangles, 3 + 12 = 15 kN/m
    ASSERT_EQ(table.count, 4);
    EXPECT_DOUBLE_EQ(table[2].force + table[3].force, 15.0);
    EXPECT_DOUBLE_EQ(sums.force, 12.0 + 9.0 + 15.0);
}

TEST(NetForces, NoForceGivesNoLeverArm) {
    EXPECT_EQ(lever_arm_of(0.0, 0.0), 0.0);
    EXPECT_EQ(lever_arm_of(12.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(lever_arm_of(10.0, 3.0), 3.333);
}

} // namespace
} // namespace wtn
