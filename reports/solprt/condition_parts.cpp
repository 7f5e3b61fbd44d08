#include "condition_parts.h"

#include "cp932_codec.h"
#include "drawing_primitives.h"
#include "figure_drawing.h"
#include "figure_labels.h"
#include "figure_placement.h"
#include "format_values.h"
#include "report_switches.h"
#include "surcharge_blocks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace wtn {

namespace {

// A slope below this (radians) is a level seabed.
constexpr double kLevelSeabed = 0.0001;
// How far a level's text may move to stay clear, in half-width cells along
// its line and in text lines to its free side.
constexpr double kLevelAlongCells = 16.0;
constexpr double kLevelFreeLines = 2.0;

int text_bytes(const std::string& text) {
    return static_cast<int>(text.size());
}

// X of a level text that ends two characters short of a line's end.
double before_line_end(const FigureKit& kit, double x_end, const std::string& text) {
    return x_end - 2 * kit.text_width - (text_bytes(text) * kit.text_width) / 2;
}

// Where a level's text wanted at (x, y) on its line is clear of the figure
// drawn so far: along its line, or to the free side given (up or down).
LabelShift clear_level_text(const FigureKit& kit, double x, double y, const std::string& text,
                            double free_side) {
    if (kit.ink == nullptr) return {};
    return clear_label_shift(
        *kit.ink, text_box(kit, x, y, text),
        label_moves(kit, {1.0, 0.0}, kLevelAlongCells, {0.0, free_side}, kLevelFreeLines));
}

// The water line with its text and mark: line, mark two characters beyond
// the line's end, text one and a half characters after the mark. A text that
// would stand on another level's line or text moves to the free side (the
// H.W.L. up, the L.W.L. down); its mark stays on its line.
void water_level_after_end(DrawingFile& file, const FigureKit& kit, const FigureLine& line,
                           const std::string& text, double free_side) {
    sheet_line(file, kit, line);
    const double a = line.x2 + 2.0 * kit.text_width;
    draw_water_mark(file.stream(), sheet_transform(kit), file.page_unit(a), line.y2);
    note_box(kit, water_mark_box(a, line.y2));
    const double x = a + 1.5 * kit.text_width;
    const LabelShift shift = clear_level_text(kit, x, line.y2, text, free_side);
    sheet_text(file, kit, x + shift.dx, line.y2 + shift.dy, text);
}

// A level on its mark line; where the crown and the ground top share a
// level, the second one stands above the first.
void level_mark(DrawingFile& file, const FigureKit& kit, const FigureLine& mark, double level) {
    sheet_line(file, kit, mark);
    const std::string text = level_text(level);
    const double x = mark.x2 + 0.5 * kit.text_width;
    const LabelShift shift = clear_level_text(kit, x, mark.y2, text, -1.0);
    sheet_text(file, kit, x + shift.dx, mark.y2 + shift.dy, text);
}

// A level's text at (x, y) of its line drawn clear of the figure so far.
void clear_level_label(DrawingFile& file, const FigureKit& kit, double x, double y,
                       const std::string& text, double free_side) {
    const LabelShift shift = clear_level_text(kit, x, y, text, free_side);
    sheet_text(file, kit, x + shift.dx, y + shift.dy, text);
}

// The upright box around a turned band's corners.
LabelBox box_around(const std::array<DrawPoint, 4>& corners) {
    LabelBox box{corners[0].x, corners[0].x, corners[0].y, corners[0].y};
    for (const DrawPoint& corner : corners)
        box = {std::min(box.left, corner.x), std::max(box.right, corner.x),
               std::max(box.lower, corner.y), std::min(box.upper, corner.y)};
    return box;
}

SoilLabelPlace label_place(int x_top, int y_top, int x_bottom, int y_bottom) {
    SoilLabelPlace p;
    p.x_top = x_top;
    p.y_top = y_top;
    p.x_bottom = x_bottom;
    p.y_bottom = y_bottom;
    return p;
}

} // namespace

void draw_ground_surface(DrawingFile& file, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const FigureKit& kit = report.kit;
    const ConditionFigure& f = report.figures.condition;
    const PagePoint p0 = model_to_page(kit, 0.0, input.joken.ground_crown);
    sheet_line(file, kit, p0.x, p0.y, f.ground[0].x, f.ground[0].y);
    if (straight_ground(input)) return;
    for (int i = 0; i + 1 < input.ground_point_count; ++i) {
        const FigurePoint a = f.ground[static_cast<std::size_t>(i)];
        const FigurePoint b = f.ground[static_cast<std::size_t>(i) + 1];
        sheet_line(file, kit, a.x, a.y, b.x, b.y);
    }
}

void draw_land_layers(DrawingFile& file, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const FigureKit& kit = report.kit;
    const ConditionFigure& f = report.figures.condition;
    const int n = input.land_layer_count;
    for (int i = f.first_land + 1; i < n; ++i) {
        const FigureLine& line = f.land[static_cast<std::size_t>(i)];
        sheet_line(file, kit, line);
        const std::string text = level_text(input.land_layers[static_cast<std::size_t>(i)].top);
        // Above its line where clear, else along it or under it: above a
        // thin top layer stand the ground line and the surcharge blocks.
        clear_level_label(file, kit, before_line_end(kit, line.x2, text), line.y2, text, 1.0);
    }
    const FigureLine& bottom = f.land[static_cast<std::size_t>(n)];
    sheet_line(file, kit, bottom);
    const std::string text = level_text(input.joken.soil_bottom);
    // The lowest level has the frame under it: it moves up if anywhere.
    clear_level_label(file, kit, before_line_end(kit, bottom.x2, text), bottom.y2, text, -1.0);
    for (int i = f.first_land; i < n; ++i) {
        const FigureLine& top = f.land[static_cast<std::size_t>(i)];
        const FigureLine& below = f.land[static_cast<std::size_t>(i) + 1];
        draw_soil_label(file, kit, input, SoilSide::land, i,
                        label_place(top.x1, top.y1, below.x1, below.y1));
    }
}

void draw_sea_layers(DrawingFile& file, const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const FigureKit& kit = report.kit;
    const ConditionFigure& f = report.figures.condition;
    const int m = input.sea_layer_count;
    for (int i = f.first_sea + 1; i < m; ++i) {
        const FigureLine& line = f.sea[static_cast<std::size_t>(i)];
        sheet_line(file, kit, line);
        clear_level_label(file, kit, line.x2 + 2.0 * kit.text_width, line.y2,
                          level_text(input.sea_layers[static_cast<std::size_t>(i)].top), 1.0);
    }
    const FigureLine& bottom = f.sea[static_cast<std::size_t>(m)];
    sheet_line(file, kit, bottom);
    clear_level_label(file, kit, bottom.x2 + 2.0 * kit.text_width, bottom.y2,
                      level_text(input.joken.soil_bottom), 1.0);
    for (int i = f.first_sea; i < m; ++i) {
        const FigureLine& top = f.sea[static_cast<std::size_t>(i)];
        const FigureLine& below = f.sea[static_cast<std::size_t>(i) + 1];
        draw_soil_label(file, kit, input, SoilSide::sea, i,
                        label_place(top.x2, top.y2, below.x2, below.y2));
    }
}

void note_land_layer_lines(const EarthPressureReport& report) {
    const FigureKit& kit = report.kit;
    const ConditionFigure& f = report.figures.condition;
    for (int i = f.first_land + 1; i <= report.input.land_layer_count; ++i) {
        const FigureLine& line = f.land[static_cast<std::size_t>(i)];
        note_line(kit, line.x1, line.y1, line.x2, line.y2);
    }
}

RwlLabel note_rwl_label(const EarthPressureReport& report, const FigureLine& line) {
    const FigureKit& kit = report.kit;
    RwlLabel l;
    l.text = format_text("R.W.L. %+1.2lf", report.input.joken.residual_level);
    l.text_x = before_line_end(kit, line.x2, l.text);
    l.text_y = line.y2;
    l.mark_x = l.text_x - 1.5 * kit.text_width;
    // Off a layer line or level close above it: along its line, the mark
    // with it, or down under its line, the mark staying on it.
    note_line(kit, line.x1, line.y1, line.x2, line.y2);
    const LabelShift shift = clear_level_text(kit, l.text_x, l.text_y, l.text, 1.0);
    l.text_x += shift.dx;
    l.text_y += shift.dy;
    l.mark_x += shift.dx;
    note_box(kit, text_box(kit, l.text_x, l.text_y, l.text));
    note_box(kit, water_mark_box(l.mark_x, line.y2));
    return l;
}

void draw_rwl_line(DrawingFile& file, const EarthPressureReport& report, const FigureLine& line,
                   const RwlLabel& l) {
    const FigureKit& kit = report.kit;
    sheet_line(file, kit, line);
    sheet_text(file, kit, l.text_x, l.text_y, l.text);
    draw_water_mark(file.stream(), sheet_transform(kit), file.page_unit(l.mark_x), line.y2);
    note_box(kit, water_mark_box(l.mark_x, line.y2));
}

// The Y at the far end of the design seabed's line drawn from the wall at
// the seabed's angle.
double seabed_far_y(double angle_degrees, const FigureLine& line) {
    const double theta = angle_degrees * std::numbers::pi / 180.0;
    return line.y2 + std::tan(theta) * (line.x1 - line.x2);
}

void note_seabed_line(const EarthPressureReport& report, double angle_degrees,
                      const FigureLine& line) {
    note_line(report.kit, line.x1, line.y1, line.x2, seabed_far_y(angle_degrees, line));
}

void draw_seabed_line(DrawingFile& file, const EarthPressureReport& report, double level,
                      double angle_degrees, const FigureLine& line) {
    const FigureKit& kit = report.kit;
    const std::string text = format_text("D.L. %+1.2lf", level);
    const double theta = angle_degrees * std::numbers::pi / 180.0;
    const double y_end = seabed_far_y(angle_degrees, line);
    sheet_line(file, kit, line.x1, line.y1, line.x2, y_end);
    const int hatch_x = file.page_unit(line.x2 + 2.0 * std::cos(theta) * kit.text_width);
    const int hatch_y = file.page_unit(y_end - 2.0 * std::sin(theta) * kit.text_width);
    draw_hatching(file.stream(), sheet_transform(kit), hatch_x, hatch_y, theta);
    // The water levels' texts drawn after it keep clear of its strokes.
    note_box(kit, box_around(hatching_band(hatch_x, hatch_y, theta)));
    sheet_text(file, kit, line.x2 + 0.5 * kit.text_width, line.y2, text);
    // A sloping seabed keeps a level line under its text.
    if (std::fabs(theta) >= kLevelSeabed)
        sheet_line(file, kit,
                   line.x2 + 2 * kit.text_width + (text_bytes(text) * kit.text_width) / 2, line.y1,
                   line.x2, line.y2);
}

void draw_hwl_line(DrawingFile& file, const EarthPressureReport& report) {
    water_level_after_end(file, report.kit, report.figures.condition.hwl,
                          format_text("H.W.L. %+1.2lf", report.input.joken.hwl), -1.0);
}

void draw_lwl_line(DrawingFile& file, const EarthPressureReport& report, double level,
                   const FigureLine& line) {
    water_level_after_end(file, report.kit, line, format_text("L.W.L. %+1.2lf", level), 1.0);
}

void draw_crown_mark(DrawingFile& file, const EarthPressureReport& report) {
    level_mark(file, report.kit, report.figures.condition.crown_mark,
               report.input.tjkn1.superstructure_crown);
}

void draw_ground_top_mark(DrawingFile& file, const EarthPressureReport& report) {
    level_mark(file, report.kit, report.figures.condition.ground_mark,
               report.input.joken.ground_crown);
}

void draw_condition_parts(int c, DrawingFile& file, EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const ConditionFigure& f = report.figures.condition;
    draw_model_line(file, report.kit, f.wall);
    draw_ground_surface(file, report);
    // The R.W.L. text keeps clear of the layer lines, and the layer levels
    // and labels of the R.W.L. text and mark drawn after them.
    note_land_layer_lines(report);
    const RwlLabel rwl = note_rwl_label(report, f.rwl);
    draw_land_layers(file, report);
    // The sea layers' levels keep clear of the design seabed drawn after them.
    note_seabed_line(report, input.joken.seabed_angle, f.seabed);
    draw_sea_layers(file, report);
    draw_rwl_line(file, report, f.rwl, rwl);
    draw_seabed_line(file, report, input.joken.design_seabed, input.joken.seabed_angle, f.seabed);
    draw_hwl_line(file, report);
    draw_lwl_line(file, report, input.joken.lwl, f.lwl);
    draw_surcharge_blocks(file, report, c);
    draw_crown_mark(file, report);
    draw_ground_top_mark(file, report);
}

} // namespace wtn
