#include "drawing_primitives.h"

#include "error_messages.h"
#include "format_values.h"
#include "text_lines.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace wtn {

namespace {

// Extent of the hatching symbol about its anchor, along and under the ground.
constexpr double kHatchBack = 20.0;
constexpr double kHatchReach = 240.0;
constexpr double kHatchDepth = 50.0;

// A drawing coordinate truncated toward zero. A value that is not a number or
// does not fit an integer is a calculation fault; writing it would give the
// viewer garbage, so the program stops instead.
int page_unit(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= static_cast<double>(INT32_MAX)) {
        stop_with_error("(ERROR)-図の座標値が正しくありません.");
    }
    return static_cast<int>(std::trunc(value));
}

using Point = DrawPoint;

Point through_sheet(const SheetTransform& sheet, Point p) {
    PointTransform t;
    t.cos_angle = sheet.cos_angle;
    t.sin_angle = sheet.sin_angle;
    t.target = {sheet.origin_x, sheet.origin_y};
    return transform_point(p, t);
}

void write_line_record(std::FILE* file, const SheetTransform& sheet, Point from, Point to) {
    Point a = through_sheet(sheet, from);
    Point b = through_sheet(sheet, to);
    write_values_line(file, "L %4d %4d %4d %4d 0 2", page_unit(a.x), page_unit(a.y), page_unit(b.x),
                      page_unit(b.y));
}

} // namespace

DrawPoint transform_point(DrawPoint p, const PointTransform& t) {
    const double dx = p.x - t.centre.x;
    const double dy = p.y - t.centre.y;
    return {(dx * t.cos_angle + dy * t.sin_angle) * t.scale_x + t.target.x,
            (dy * t.cos_angle - dx * t.sin_angle) * t.scale_y + t.target.y};
}

void draw_hatching(std::FILE* file, const SheetTransform& sheet, int x, int y, double angle) {
    const double ax = x;
    const double ay = y;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    PointTransform turn;
    turn.centre = turn.target = {ax, ay};
    turn.cos_angle = c;
    turn.sin_angle = s;
    auto turned = [&](Point p) { return transform_point(p, turn); };
    // Nine short strokes, three groups of three, 20 units apart, each leaning
    // 20 units back over a height of 50.
    for (int group = 0; group < 3; ++group) {
        for (int stroke = 0; stroke < 3; ++stroke) {
            const double sx = ax + 100.0 * group + 20.0 * stroke;
            write_line_record(file, sheet, turned({sx, ay}), turned({sx - 20.0, ay + 50.0}));
        }
    }
    // Six long strokes at the slope atan 0.4 between the groups, their end
    // points cut to whole units before turning, as the symbol was drawn.
    const double slope = std::atan(0.4);
    const double sin_slope = std::sin(slope);
    const double cos_slope = std::cos(slope);
    const double reach = 60.0 * sin_slope;
    for (int group = 0; group < 2; ++group) {
        for (int stroke = 0; stroke < 3; ++stroke) {
            const double start = 10.0 * stroke;
            const double end = start + reach;
            Point from{std::trunc(ax + 100.0 * group + 40.0 - start * sin_slope),
                       std::trunc(ay + start * cos_slope)};
            Point to{std::trunc(ax + 100.0 * group + 100.0 - end * sin_slope),
                     std::trunc(ay + end * cos_slope)};
            write_line_record(file, sheet, turned(from), turned(to));
        }
    }
}

std::array<DrawPoint, 4> hatching_band(int x, int y, double angle) {
    const double ax = x;
    const double ay = y;
    PointTransform turn;
    turn.centre = turn.target = {ax, ay};
    turn.cos_angle = std::cos(angle);
    turn.sin_angle = std::sin(angle);
    // The short strokes reach furthest: from the first one's foot behind the
    // anchor to the last one's head, down to their feet.
    return {transform_point({ax - kHatchBack, ay}, turn),
            transform_point({ax + kHatchReach, ay}, turn),
            transform_point({ax + kHatchReach, ay + kHatchDepth}, turn),
            transform_point({ax - kHatchBack, ay + kHatchDepth}, turn)};
}

void draw_water_mark(std::FILE* file, const SheetTransform& sheet, int x, int y) {
    const double ax = x;
    const double ay = y;
    // The triangle hangs with its tip on the water line (Y grows downward).
    const Point tip{ax, ay};
    const Point left{ax - 25.0, ay - 50.0};
    const Point right{ax + 25.0, ay - 50.0};
    write_line_record(file, sheet, tip, left);
    write_line_record(file, sheet, left, right);
    write_line_record(file, sheet, right, tip);
    // Three lines below it, each shorter by 25 units on either side.
    for (int line = 1; line <= 3; ++line) {
        const double half = 75.0 - 25.0 * (line - 1);
        const double ly = ay + 10.0 * line;
        write_line_record(file, sheet, {ax - half, ly}, {ax + half, ly});
    }
}

} // namespace wtn
