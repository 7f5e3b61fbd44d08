#include "plane_geometry.h"

#include "rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace wtn {
namespace {

constexpr double kParallelLimit = 1e-10;

bool outside_unit(double t) {
    return t < 0.0 || t > 1.0;
}

} // namespace

double cross_2d(Point2 p1, Point2 p2, Point2 p3, Point2 p4) {
    return (p2.x - p1.x) * (p4.z - p3.z) - (p2.z - p1.z) * (p4.x - p3.x);
}

SegmentCrossing segment_intersection(Point2 p1, Point2 p2, Point2 p3, Point2 p4) {
    const double d = cross_2d(p1, p2, p3, p4);
    if (std::fabs(d) < kParallelLimit) return {Point2{}, kSegmentsParallel};
    const double t = cross_2d(p1, p3, p3, p4) / d;
    const double v = cross_2d(p3, p1, p1, p2) / cross_2d(p3, p4, p1, p2);
    SegmentCrossing c;
    // Take the point from the segment on which it lies nearer the start.
    if (std::fabs(v) >= std::fabs(t)) {
        c.point = {p1.x + t * (p2.x - p1.x), p1.z + t * (p2.z - p1.z)};
    } else {
        c.point = {p3.x + v * (p4.x - p3.x), p3.z + v * (p4.z - p3.z)};
    }
    c.code = (outside_unit(t) ? 1 : 0) + (outside_unit(v) ? 2 : 0);
    return c;
}

int segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double& out_x, double& out_y) {
    const SegmentCrossing c = segment_intersection({x1, y1}, {x2, y2}, {x3, y3}, {x4, y4});
    out_x = c.point.x;
    out_y = c.point.z;
    return c.code;
}

double shoelace_term(const double* x, const double* z, int n, int i) {
    const int before = (i + n - 1) % n;
    const int after = (i + 1) % n;
    return round_dec((x[before] - x[after]) * z[i], 8);
}

double cut_length(const std::vector<Point2>& polygon) {
    double reach = kMinimumCutLength;
    for (const Point2& p : polygon)
        reach = std::max(reach, p.x + 1.0);
    return reach;
}

void cut_polygon(std::vector<Point2>& polygon, double z, double length) {
    const Point2 a{0.0, z};
    const Point2 b{length, z};
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const Point2 p = polygon[k];
        const Point2 q = polygon[(k + 1) % polygon.size()];
        const SegmentCrossing c = segment_intersection(p, q, a, b);
        if (c.code != kCrossingInsideBoth) continue;
        const Point2 x{round_dec(c.point.x, 4), round_dec(c.point.z, 4)};
        auto near = [&](Point2 e) {
            return std::fabs(e.x - x.x) < kCutTolerance && std::fabs(e.z - x.z) < kCutTolerance;
        };
        if (near(p) || near(q)) continue;
        polygon.insert(polygon.begin() + static_cast<std::ptrdiff_t>(k) + 1, x);
        ++k;
    }
}

std::vector<Point2> vertices_between(const std::vector<Point2>& polygon, double upper,
                                     double lower) {
    std::vector<Point2> inside;
    for (const Point2& p : polygon)
        if (p.z > lower - kCutTolerance && p.z < upper + kCutTolerance) inside.push_back(p);
    return inside;
}

PolygonArea polygon_area_centroid(const double* x, const double* z, int n) {
    PolygonArea r;
    if (n < 3) return r;
    double s = 0.0, sx = 0.0, sz = 0.0;
    for (int k = 0; k < n; ++k) {
        const double term = shoelace_term(x, z, n, k);
        s += term;
        sx += term * (x[(k + n - 1) % n] + x[(k + 1) % n]) / 2.0;
        sz += term * z[k] / 2.0;
    }
    r.area = std::fabs(s) / 2.0;
    if (r.area > 0.0) r.label = {sx / s, sz / s};
    return r;
}

} // namespace wtn
