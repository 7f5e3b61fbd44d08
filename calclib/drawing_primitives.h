// Coordinate transforms and the two symbols (ground hatching, water-surface
// mark) that the report programs draw into their drawing files (.PZK). Page
// coordinates grow to the right and downward; a symbol is written as straight
// line records "L x1 y1 x2 y2 0 2", each coordinate in page units truncated
// toward zero and printed "%4d".
#pragma once

#include <array>
#include <cstdio>

namespace wtn {

struct DrawPoint {
    double x = 0.0;
    double y = 0.0;
};

// A turn about a centre by the angle whose cosine and sine are cos_angle and
// sin_angle, a scale for each axis, and a move to target:
//   X = ((x - x0) c + (y - y0) s) scale_x + tx
//   Y = ((y - y0) c - (x - x0) s) scale_y + ty
struct PointTransform {
    DrawPoint centre;
    double cos_angle = 1.0;
    double sin_angle = 0.0;
    double scale_x = 1.0;
    double scale_y = 1.0;
    DrawPoint target;
};

DrawPoint transform_point(DrawPoint p, const PointTransform& t);

// The sheet stage of a figure: the cosine and sine of the sheet angle and the
// sheet origin. A program sets it before it draws a symbol; the default is
// the upright sheet (angle 0, origin (0, 0)), which leaves points unchanged.
struct SheetTransform {
    double cos_angle = 1.0;
    double sin_angle = 0.0;
    double origin_x = 0.0;
    double origin_y = 0.0;
};

// Writes the 15 line records of the ground-hatching symbol anchored at the
// page point (x, y), turned by angle (radians) about it, then passed through
// the sheet stage.
void draw_hatching(std::FILE* file, const SheetTransform& sheet, int x, int y, double angle);

// The corners of the band the hatching anchored at (x, y) and turned by
// angle covers, before the sheet stage: along the ground from 20 units
// behind its anchor to 240 past it, 50 units deep under it.
std::array<DrawPoint, 4> hatching_band(int x, int y, double angle);

// Writes the 6 line records of the water-surface mark whose tip touches the
// water line at the page point (x, y), passed through the sheet stage.
//
void draw_water_mark(std::FILE* file, const SheetTransform& sheet, int x, int y);

} // namespace wtn
