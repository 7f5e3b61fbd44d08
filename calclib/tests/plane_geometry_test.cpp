// Segment crossings and polygon areas of the trial wedge and the report
// drawings, against points and areas worked out by hand.
#include "plane_geometry.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(PlaneGeometry, CrossingsAndPolygonAreas) {
    struct Case {
        Point2 p1, p2, p3, p4;
        int code;
        Point2 at;
    } cases[] = {
        {{0, 0}, {2, 2}, {0, 2}, {2, 0}, 0, {1, 1}},                // inside both
        {{0, 0}, {1, 1}, {3, 0}, {3, 5}, 1, {3, 3}},                // beyond the first segment
        {{0, 0}, {4, 4}, {1, 5}, {1, 6}, 2, {1, 1}},                // beyond the second
        {{0, 0}, {1, 1}, {5, 0}, {6, -2}, 3, {10.0 / 3, 10.0 / 3}}, // z = x meets z = -2 (x - 5)
        {{0, 0}, {1, 1}, {0, 1}, {1, 2}, kSegmentsParallel, {0, 0}},
    };
    for (const Case& c : cases) {
        const SegmentCrossing r = segment_intersection(c.p1, c.p2, c.p3, c.p4);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NEAR(r.point.x, c.at.x, 1e-12);
        EXPECT_NEAR(r.point.z, c.at.z, 1e-12);
        double x = -1, z = -1;
        EXPECT_EQ(segment_intersection(c.p1.x, c.p1.z, c.p2.x, c.p2.z, c.p3.x, c.p3.z, c.p4.x,
                                       c.p4.z, x, z),
                  c.code);
        EXPECT_NEAR(x, c.at.x, 1e-12);
    }
    // A 4 x 2 rectangle: area 8, label point at its centre; a triangle: area 6.
    const double rx[] = {0, 4, 4, 0}, rz[] = {0, 0, 2, 2};
    const PolygonArea rect = polygon_area_centroid(rx, rz, 4);
    EXPECT_DOUBLE_EQ(rect.area, 8.0);
    EXPECT_DOUBLE_EQ(rect.label.x, 2.0);
    EXPECT_DOUBLE_EQ(rect.label.z, 1.0);
    const double tx[] = {0, 4, 0}, tz[] = {0, 0, 3};
    EXPECT_DOUBLE_EQ(polygon_area_centroid(tx, tz, 3).area, 6.0);
    EXPECT_DOUBLE_EQ(polygon_area_centroid(tx, tz, 2).area, 0.0);
}

} // namespace
} // namespace wtn
