// Coordinate transforms and the two symbols (ground hatching, water-surface
// mark) that the report programs draw into their drawing files (.PZK). Page
// coordinates grow to the right and downward; a symbol is written as straight
// line records "L x1 y1 x2 y2 0 2", each coordinate in page units truncated
// toward zero and printed "%4d".
#pragma once

#include <cstdio>

namespace wtn {

// Turns (x, y) about (x0, y0) by the angle whose cosine and sine are c and s,
// scales it and moves it to (tx, ty):
//   X = ((x - x0) c + (y - y0) s) scale + tx
//   Y = ((y - y0) c - (x - x0) s) scale + ty
// Returns 0.
int transform_point(double x, double y, double x0, double y0, double c, double s, double scale,
                    double tx, double ty, double& out_x, double& out_y);

// The same with separate scales for X and Y.
int transform_point_xy(double x, double y, double x0, double y0, double c, double s, double scale_x,
                       double scale_y, double tx, double ty, double& out_x, double& out_y);

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
// the sheet stage. Returns 0.
int draw_hatching(std::FILE* file, const SheetTransform& sheet, int x, int y, double angle);

// Writes the 6 line records of the water-surface mark whose tip touches the
// water line at the page point (x, y), passed through the sheet stage.
// Returns 0.
int draw_water_mark(std::FILE* file, const SheetTransform& sheet, int x, int y);

} // namespace wtn
