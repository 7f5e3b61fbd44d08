#include "figure_placement.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// Page units a box is shrunk by before a line or another box is tested
// against it: a line along the box's edge, or a label stacked right on the
// one before, still leaves both legible.
constexpr double kEdgeClearance = 4.0;
// Extent of the water-level mark about its tip: the triangle above, the
// three lines below.
constexpr double kWaterMarkHalfWidth = 75.0;
constexpr double kWaterMarkHeight = 50.0;
constexpr double kWaterMarkDepth = 30.0;

LabelBox inner(const LabelBox& box) {
    return {box.left + kEdgeClearance, box.right - kEdgeClearance, box.lower - kEdgeClearance,
            box.upper + kEdgeClearance};
}

// Clips the parameter range [t0, t1] of a line by one side: p t <= q.
bool clip(double p, double q, double& t0, double& t1) {
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1) return false;
        t0 = std::max(t0, t);
        return true;
    }
    if (t < t0) return false;
    t1 = std::min(t1, t);
    return true;
}

} // namespace

void add_ink_line(FigureInk& ink, double x1, double y1, double x2, double y2) {
    ink.lines.push_back({{x1, y1}, {x2, y2}});
}

void add_ink_box(FigureInk& ink, const LabelBox& box) {
    ink.boxes.push_back(box);
}

void note_line(const FigureKit& kit, double x1, double y1, double x2, double y2) {
    if (kit.ink != nullptr) add_ink_line(*kit.ink, x1, y1, x2, y2);
}

void note_box(const FigureKit& kit, const LabelBox& box) {
    if (kit.ink != nullptr) add_ink_box(*kit.ink, box);
}

LabelBox water_mark_box(double x, double y) {
    return {x - kWaterMarkHalfWidth, x + kWaterMarkHalfWidth, y + kWaterMarkDepth,
            y - kWaterMarkHeight};
}

LabelBox text_box(const FigureKit& kit, double x, double y, int cells) {
    return {x, x + label_width(kit, cells), y, y - kit.text_height};
}

bool line_strikes_box(const InkLine& line, const LabelBox& box) {
    const LabelBox b = inner(box);
    if (b.left >= b.right || b.upper >= b.lower) return false;
    const double dx = line.b.x - line.a.x;
    const double dy = line.b.y - line.a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    return clip(-dx, line.a.x - b.left, t0, t1) && clip(dx, b.right - line.a.x, t0, t1) &&
           clip(-dy, line.a.y - b.upper, t0, t1) && clip(dy, b.lower - line.a.y, t0, t1) &&
           t0 <= t1;
}

bool boxes_overlap(const LabelBox& a, const LabelBox& b) {
    const LabelBox p = inner(a);
    return p.left < b.right && b.left < p.right && p.upper < b.lower && b.upper < p.lower;
}

bool box_is_clear(const FigureInk& ink, const LabelBox& box) {
    for (const InkLine& line : ink.lines)
        if (line_strikes_box(line, box)) return false;
    for (const LabelBox& other : ink.boxes)
        if (boxes_overlap(box, other)) return false;
    return true;
}

LabelMoves label_moves(const FigureKit& kit, PagePoint along, double along_cells,
                       PagePoint free_side, double free_lines) {
    LabelMoves m;
    m.along = along;
    m.along_reach = label_width(kit, 1) * along_cells;
    m.free_side = free_side;
    m.free_reach = kit.text_height * free_lines;
    m.step = 0.25 * kit.text_height;
    return m;
}

LabelBox shifted(const LabelBox& box, const LabelShift& shift) {
    return {box.left + shift.dx, box.right + shift.dx, box.lower + shift.dy, box.upper + shift.dy};
}

LabelShift clear_label_shift(const FigureInk& ink, const LabelBox& wanted,
                             const LabelMoves& moves) {
    if (box_is_clear(ink, wanted) || moves.step <= 0.0) return {};
    const double reach = std::max(moves.along_reach, moves.free_reach);
    for (double d = moves.step; d <= reach + 1e-9; d += moves.step) {
        LabelShift tries[3];
        int count = 0;
        if (d <= moves.along_reach + 1e-9) {
            tries[count++] = {moves.along.x * d, moves.along.y * d};
            if (!moves.one_way) tries[count++] = {-moves.along.x * d, -moves.along.y * d};
        }
        if (d <= moves.free_reach + 1e-9)
            tries[count++] = {moves.free_side.x * d, moves.free_side.y * d};
        for (int i = 0; i < count; ++i)
            if (box_is_clear(ink, shifted(wanted, tries[i]))) return tries[i];
    }
    return {};
}

} // namespace wtn
