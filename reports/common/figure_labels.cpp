#include "figure_labels.h"

#include "figure_placement.h"

#include <algorithm>
#include <cstdio>

namespace wtn {

namespace {

// Layers with a friction angle below this are cohesive.
constexpr double kSandyFrictionAngle = 0.0001;
// Page depth below the layer top of a label whose layer has no lower line,
// in metres of the figure's scale.
constexpr double kOpenLayerLabelDepth = 2.5;
// How far a value label may move to stay clear: along its underline, in
// half-width cells, and down, in text lines.
constexpr double kValueLabelAlongCells = 16.0;
constexpr double kValueLabelFreeLines = 4.0;
// How far a soil label may move: along its layer, in half-width cells, and
// down within it, in text lines.
constexpr double kSoilLabelAlongCells = 8.0;
constexpr double kSoilLabelFreeLines = 2.0;

void sheet_line(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2,
                double y2) {
    const PagePoint a = to_sheet(kit, x1, y1);
    const PagePoint b = to_sheet(kit, x2, y2);
    file.line(a.x, a.y, b.x, b.y, 0, 2);
    note_line(kit, x1, y1, x2, y2);
}

void sheet_label(DrawingFile& file, const FigureKit& kit, double x, double y,
                 std::string_view text) {
    const PagePoint p = to_sheet(kit, x, y);
    file.text(p.x, p.y, kit.text_height, kit.text_width, static_cast<int>(kit.sheet_angle),
              AngleField::padded, 2, text);
    note_box(kit, text_box(kit, x, y, text));
}

// The leader of a value label from its anchor to the underline's near end
// at (x, y): from half a cell beside the anchor to half a cell before the
// underline.
InkLine label_leader(const FigureKit& kit, PagePoint anchor, double x, double y, double width,
                     LabelSide side) {
    const double w = kit.text_width;
    if (side == LabelSide::right) return {{anchor.x + 0.5 * w, anchor.y}, {x - 0.5 * w, y}};
    return {{anchor.x - 0.5 * w, anchor.y}, {x + width + 0.5 * w, y}};
}

// Keeps a value label whose underline starts at (x, y) clear of the
// figure's ink: it moves away from its anchor along its underline, or down
// (the label series run down the figure). Its underline and its leader from
// the anchor may run along or across a line but must not strike through a
// text or mark. The last label box moves with it.
PagePoint clear_value_label(FigureKit& kit, PagePoint anchor, PagePoint at, std::string_view text1,
                            std::string_view text2, int cells, LabelSide side) {
    if (kit.ink == nullptr) return at;
    const double h = kit.text_height;
    const double width = label_width(kit, cells);
    LabelBox wanted = text_box(kit, at.x, at.y - 0.25 * h, text1);
    // The underline runs the label's whole width, its blanks too.
    LabelBox underline = underline_box(wanted, at.y);
    underline.left = at.x;
    underline.right = at.x + width;
    if (text1 != text2) {
        const LabelBox second = text_box(kit, at.x, at.y + 1.25 * h, text2);
        wanted = {std::min(wanted.left, second.left), std::max(wanted.right, second.right),
                  second.lower, wanted.upper};
    }
    const FigureInk& ink = *kit.ink;
    auto marks_clear = [&](const LabelShift& shift) {
        const LabelBox strip = shifted(underline, shift);
        const InkLine leader =
            label_leader(kit, anchor, at.x + shift.dx, at.y + shift.dy, width, side);
        for (const LabelBox& other : ink.boxes)
            if (boxes_overlap(strip, other) || line_strikes_box(leader, other)) return false;
        return true;
    };
    LabelMoves moves = label_moves(kit, {side == LabelSide::right ? 1.0 : -1.0, 0.0},
                                   kValueLabelAlongCells, {0.0, 1.0}, kValueLabelFreeLines);
    moves.one_way = true;
    const LabelShift shift = clear_label_shift(ink, wanted, moves, marks_clear);
    kit.last_label_box = shifted(kit.last_label_box, shift);
    return {at.x + shift.dx, at.y + shift.dy};
}

} // namespace

void draw_model_line(DrawingFile& file, const FigureKit& kit, const int xs[2], const int ys[2]) {
    sheet_line(file, kit, xs[0], ys[0], xs[1], ys[1]);
}

void draw_model_line(DrawingFile& file, const FigureKit& kit, const FigureLine& line) {
    sheet_line(file, kit, line.x1, line.y1, line.x2, line.y2);
}

void draw_soil_label(DrawingFile& file, const FigureKit& kit, const InputRecord& input,
                     SoilSide side, int layer, const SoilLabelPlace& place) {
    const SoilLayerRow& row =
        side == SoilSide::land ? input.land_layers.at(layer) : input.sea_layers.at(layer);
    const int x_left = std::min(place.x_top, place.x_bottom);
    const double text_x = side == SoilSide::land ? x_left + 2.5 * kit.text_width
                                                 : static_cast<double>(x_left + 5 * kit.text_width);
    const double centre_y = place.has_lower_line
                                ? (place.y_top + place.y_bottom) * 0.5
                                : place.y_top + kOpenLayerLabelDepth * kit.page_scale;
    char first[160];
    char second[160];
    const bool sandy = row.friction_angle >= kSandyFrictionAngle;
    if (sandy) {
        std::snprintf(first, sizeof first, "γ =%8.3lf,γ'=%8.3lf,φ =%4.1lfﾟ", row.wet_weight,
                      row.submerged_weight, row.friction_angle);
    } else {
        std::snprintf(first, sizeof first, "γ =%8.3lf,γ'=%8.3lf", row.wet_weight,
                      row.submerged_weight);
        std::snprintf(second, sizeof second, "ｃ =%8.3lf・Ｚ+%8.3lf", row.cohesion_increase,
                      row.cohesion);
    }
    // A sandy layer's one line stands half a text height below the layer's
    // middle; a cohesive layer's two lines stand about it.
    const double first_y = centre_y + (sandy ? 0.5 : -0.25) * kit.text_height;
    const double second_y = centre_y + 1.25 * kit.text_height;
    // Clear of the lines and marks about it (a water mark at the level of
    // the label): along its layer, or down within it; where nothing there is
    // clear (a water level just above the layer's bottom), up within it.
    LabelShift shift;
    if (kit.ink != nullptr) {
        LabelBox box = text_box(kit, text_x, first_y, first);
        if (!sandy) {
            box.right = std::max(box.right, text_box(kit, text_x, 0, second).right);
            box.lower = second_y;
        }
        shift = clear_label_shift(
            *kit.ink, box,
            label_moves(kit, {1.0, 0.0}, kSoilLabelAlongCells, {0.0, 1.0}, kSoilLabelFreeLines));
        if (shift.dx == 0.0 && shift.dy == 0.0 && !box_is_clear(*kit.ink, box))
            shift = clear_label_shift(*kit.ink, box,
                                      label_moves(kit, {1.0, 0.0}, kSoilLabelAlongCells,
                                                  {0.0, -1.0}, kSoilLabelFreeLines));
    }
    sheet_label(file, kit, text_x + shift.dx, first_y + shift.dy, first);
    if (!sandy) sheet_label(file, kit, text_x + shift.dx, second_y + shift.dy, second);
}

PagePoint avoid_label_overlap(FigureKit& kit, double x, double y, int cells, bool two_lines) {
    const double width = label_width(kit, cells);
    const double h = kit.text_height;
    const LabelBox last = kit.last_label_box;
    const double left = x;
    const double right = x + width;
    const double upper = y - 1.5 * h;
    const bool overlap_x =
        (left >= last.left && left <= last.right) || (right >= last.left && right <= last.right);
    // Only the upper edge is tested: a label wholly above the last one also
    // counts as overlapping, and moves down below it.
    const bool overlap_y = upper <= last.lower;
    PagePoint out{x, y};
    if (overlap_x && overlap_y) out.y = y + (last.lower - upper);
    kit.last_label_box = {out.x, out.x + width, two_lines ? out.y + 1.5 * h : out.y,
                          out.y - 1.5 * h};
    return out;
}

void draw_label_leader(DrawingFile& file, const FigureKit& kit, int anchor_x, int anchor_y,
                       double x, double y, int cells, LabelSide side) {
    const double width = label_width(kit, cells);
    const InkLine leader = label_leader(
        kit, {static_cast<double>(anchor_x), static_cast<double>(anchor_y)}, x, y, width, side);
    if (side == LabelSide::right) {
        sheet_line(file, kit, x, y, x + width, y);
        sheet_line(file, kit, leader.a.x, leader.a.y, leader.b.x, leader.b.y);
        sheet_line(file, kit, leader.b.x, y, x, y);
        return;
    }
    sheet_line(file, kit, x + width, y, x, y);
    sheet_line(file, kit, leader.a.x, leader.a.y, leader.b.x, leader.b.y);
    sheet_line(file, kit, leader.b.x, y, x + width, y);
}

int place_value_label(DrawingFile& file, FigureKit& kit, std::string_view text1,
                      std::string_view text2, int anchor_x, int anchor_y, int pos_x, int pos_y,
                      int cells, LabelSide side) {
    double x = pos_x;
    double y = pos_y;
    if (pos_x == anchor_x && pos_y == anchor_y) {
        x = side == LabelSide::right
                ? anchor_x + 1.5 * kit.text_width
                : anchor_x - 1.5 * kit.text_width - cells * kit.text_width * 0.5;
        y = anchor_y;
    }
    const bool two_lines = text1 != text2;
    const PagePoint at = clear_value_label(
        kit, {static_cast<double>(anchor_x), static_cast<double>(anchor_y)},
        avoid_label_overlap(kit, x, y, cells, two_lines), text1, text2, cells, side);
    sheet_label(file, kit, at.x, at.y - 0.25 * kit.text_height, text1);
    draw_label_leader(file, kit, anchor_x, anchor_y, at.x, at.y, cells, side);
    if (two_lines) sheet_label(file, kit, at.x, at.y + 1.25 * kit.text_height, text2);
    return 0;
}

} // namespace wtn
