// Plane geometry of the trial wedge and of the report drawings: segment
// crossings and the area and label point of a polygon. Coordinates are
// (distance from the wall, level) in m.
#pragma once

#include <vector>

namespace wtn {

struct Point2 {
    double x = 0.0;
    double z = 0.0;
};

// (x2 - x1)(z4 - z3) - (z2 - z1)(x4 - x3): the cross product of p1p2 and p3p4.
double cross_2d(Point2 p1, Point2 p2, Point2 p3, Point2 p4);

inline constexpr int kSegmentsParallel = -1;
inline constexpr int kCrossingInsideBoth = 0;

struct SegmentCrossing {
    Point2 point; // (0, 0) when parallel
    int code = 0; // -1 parallel; else 0, plus 1 outside p1p2, plus 2 outside p3p4
};

// Crossing of the lines through p1p2 and p3p4.
SegmentCrossing segment_intersection(Point2 p1, Point2 p2, Point2 p3, Point2 p4);

// The same in the drawing code's form: the point through out_x and out_y
// (both 0.0 when parallel), the code as the result.
int segment_intersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double& out_x, double& out_y);

// One term of the polygon area sum: (x[i-1] - x[i+1]) z[i], neighbours taken
// cyclically, rounded to 8 decimals.
double shoelace_term(const double* x, const double* z, int n, int i);

// Horizontal cut of a wedge polygon at a layer top: at least this long from
// the wall, and always past the farthest point of the polygon.
inline constexpr double kMinimumCutLength = 100.0;
// A cut point this close (m, in both coordinates) to an end of the edge it
// crosses is that end; a vertex this close to a layer's top or bottom level
// belongs to the layer.
inline constexpr double kCutTolerance = 0.001;

// Length of the horizontal cut for a polygon: kMinimumCutLength, or 1 m past
// its farthest point.
double cut_length(const std::vector<Point2>& polygon);

// Inserts, after each edge's first point (the closing edge included), the
// edge's crossing with the horizontal cut from the wall to length at level z,
// rounded to 4 decimals, unless it coincides with an end of the edge.
void cut_polygon(std::vector<Point2>& polygon, double z, double length);

// The polygon's vertices, in order, that belong to the layer from lower up to
// upper (each within kCutTolerance).
std::vector<Point2> vertices_between(const std::vector<Point2>& polygon, double upper,
                                     double lower);

struct PolygonArea {
    double area = 0.0;
    Point2 label; // where the drawing puts the part's number; (0, 0) without area
};

// Area of a closed polygon and its label point; fewer than 3 points have none.
PolygonArea polygon_area_centroid(const double* x, const double* z, int n);

} // namespace wtn
