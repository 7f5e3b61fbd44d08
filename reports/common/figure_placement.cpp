#include "figure_placement.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wtn {

namespace {

// Page units a box is shrunk by before a line or another box is tested
// against it: a line along the box's edge, or a label stacked right on the
// one before, still leaves both legible.
constexpr double kEdgeClearance = 4.0;
// A raised character (a unit's exponent) stands this part of a text height
// above the line's other characters.
constexpr double kRaisedHeadroom = 0.15;
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

void add_frame_ink(FigureInk& ink, const FigureKit& kit, bool landscape) {
    const FigureFrame& f = kit.frame;
    auto sheet_line = [&](double x1, double y1, double x2, double y2) {
        ink.frame.push_back({from_sheet(kit, x1, y1), from_sheet(kit, x2, y2)});
    };
    sheet_line(f.x1, f.y1, f.x2, f.y1);
    sheet_line(f.x2, f.y1, f.x2, f.y2);
    sheet_line(f.x2, f.y2, f.x1, f.y2);
    sheet_line(f.x1, f.y2, f.x1, f.y1);
    if (landscape) {
        sheet_line(f.band_x, f.y1, f.band_x, f.y2);
    } else {
        sheet_line(f.x1, f.band_y, f.x2, f.band_y);
    }
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

double highest_ink(const FigureInk& ink, double x1, double x2, double none_found) {
    double highest = none_found;
    for (const InkLine& line : ink.lines) {
        const double dx = line.b.x - line.a.x;
        double t0 = 0.0;
        double t1 = 1.0;
        if (!clip(-dx, line.a.x - x1, t0, t1) || !clip(dx, x2 - line.a.x, t0, t1)) continue;
        const double dy = line.b.y - line.a.y;
        highest = std::min({highest, line.a.y + t0 * dy, line.a.y + t1 * dy});
    }
    for (const LabelBox& box : ink.boxes)
        if (box.left <= x2 && box.right >= x1) highest = std::min(highest, box.upper);
    return highest;
}

LabelBox text_box(const FigureKit& kit, double x, double y, std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ')
        ++first;
    std::size_t end = text.size();
    while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\n'))
        --end;
    const double cell = label_width(kit, 1);
    const double left = x + cell * static_cast<double>(first);
    return {left, left + cell * label_cells(text.substr(first, end - first)), y,
            y - (1.0 + kRaisedHeadroom) * kit.text_height};
}

bool segment_part_in_box(PagePoint start, PagePoint delta, const LabelBox& box, double& t0,
                         double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    // Each side of the box cuts the segment's range of t (Liang-Barsky).
    return clip(-delta.x, start.x - box.left, t0, t1) &&
           clip(delta.x, box.right - start.x, t0, t1) &&
           clip(-delta.y, start.y - box.upper, t0, t1) &&
           clip(delta.y, box.lower - start.y, t0, t1);
}

bool line_strikes_box(const InkLine& line, const LabelBox& box) {
    const LabelBox b = inner(box);
    if (b.left >= b.right || b.upper >= b.lower) return false;
    double t0 = 0.0;
    double t1 = 1.0;
    return segment_part_in_box(line.a, {line.b.x - line.a.x, line.b.y - line.a.y}, b, t0, t1) &&
           t0 <= t1;
}

std::vector<InkLine> line_pieces_outside(const InkLine& line, const std::vector<LabelBox>& boxes) {
    const PagePoint delta{line.b.x - line.a.x, line.b.y - line.a.y};
    // The parts of the line's parameter range that the struck boxes cover.
    std::vector<std::pair<double, double>> covered;
    for (const LabelBox& box : boxes) {
        double t0 = 0.0;
        double t1 = 0.0;
        if (line_strikes_box(line, box) && segment_part_in_box(line.a, delta, box, t0, t1))
            covered.emplace_back(t0, t1);
    }
    std::sort(covered.begin(), covered.end());
    std::vector<InkLine> pieces;
    double from = 0.0;
    auto add_piece = [&](double t_end) {
        if (t_end > from)
            pieces.push_back({{line.a.x + from * delta.x, line.a.y + from * delta.y},
                              {line.a.x + t_end * delta.x, line.a.y + t_end * delta.y}});
    };
    for (const auto& [t0, t1] : covered) {
        add_piece(t0);
        from = std::max(from, t1);
    }
    if (covered.empty()) return {line};
    add_piece(1.0);
    return pieces;
}

bool boxes_overlap(const LabelBox& a, const LabelBox& b) {
    const LabelBox p = inner(a);
    return p.left < b.right && b.left < p.right && p.upper < b.lower && b.upper < p.lower;
}

bool box_is_clear(const FigureInk& ink, const LabelBox& box) {
    for (const InkLine& line : ink.lines)
        if (line_strikes_box(line, box)) return false;
    for (const InkLine& line : ink.frame)
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

LabelBox underline_box(const LabelBox& label, double y) {
    return {label.left, label.right, y + kEdgeClearance + 1.0, label.lower};
}

LabelShift clear_label_shift(const FigureInk& ink, const LabelBox& wanted, const LabelMoves& moves,
                             const std::function<bool(const LabelShift&)>& also_clear) {
    auto clear_at = [&](const LabelShift& shift) {
        return box_is_clear(ink, shifted(wanted, shift)) && (!also_clear || also_clear(shift));
    };
    if (clear_at({}) || moves.step <= 0.0) return {};
    const int along_steps = static_cast<int>(moves.along_reach / moves.step + 1e-9);
    const int free_steps = static_cast<int>(moves.free_reach / moves.step + 1e-9);
    // Nearest first: n steps in all, split between a move along the line
    // and one to the free side, along first.
    for (int n = 1; n <= along_steps + free_steps; ++n) {
        for (int f = std::max(0, n - along_steps); f <= std::min(n, free_steps); ++f) {
            const double a = (n - f) * moves.step;
            const double d = f * moves.step;
            const LabelShift forth{moves.along.x * a + moves.free_side.x * d,
                                   moves.along.y * a + moves.free_side.y * d};
            if (clear_at(forth)) return forth;
            if (moves.one_way || a == 0.0) continue;
            const LabelShift back{-moves.along.x * a + moves.free_side.x * d,
                                  -moves.along.y * a + moves.free_side.y * d};
            if (clear_at(back)) return back;
        }
    }
    return {};
}

} // namespace wtn
