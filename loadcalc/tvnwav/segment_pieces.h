// Area, moment and centroid of the rectangles and triangles a pressure
// diagram is cut into, each rounded to 3 decimals.
#pragma once

namespace wtn {

// Centroid of three points (values[i], levels[i]): each coordinate the mean of
// the three, rounded to 3 decimals.
void triangle_centroid(const double values[3], const double levels[3], double& value, double& level);

// Area of a rectangle (kind 1) or a triangle (any other kind) of the given
// width and height.
double segment_area(int kind, double width, double height);

// force x arm.
double segment_moment(double force, double arm);

} // namespace wtn
