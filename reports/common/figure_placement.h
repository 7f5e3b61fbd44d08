// Where a label of a figure goes so that it can be read: clear of every line
// drawn so far (the line it labels, the lines it sits between, the sides of
// diagrams and wedges) and of every text and mark already placed. A label
// that would be struck moves along its own line or to its free side, the
// nearest clear place first; a mark that would cover a label moves the
// label. All in page units (Y downward), before the sheet stage.
#pragma once

#include "figure_kit.h"

#include <functional>
#include <string_view>
#include <vector>

namespace wtn {

// A straight line drawn in the figure.
struct InkLine {
    PagePoint a;
    PagePoint b;
};

// What a figure holds so far: its lines and the boxes of its texts and
// marks, and the frame and title band its labels stay inside.
struct FigureInk {
    std::vector<InkLine> lines;
    std::vector<LabelBox> boxes;
    std::vector<InkLine> frame;
};

void add_ink_line(FigureInk& ink, double x1, double y1, double x2, double y2);
void add_ink_box(FigureInk& ink, const LabelBox& box);

// The frame and the title-band line of the kit's figure (drawn on the sheet
// as they are), as lines in the figure's own coordinates.
void add_frame_ink(FigureInk& ink, const FigureKit& kit, bool landscape);

// The same into the kit's ink, when the figure keeps one.
void note_line(const FigureKit& kit, double x1, double y1, double x2, double y2);
void note_box(const FigureKit& kit, const LabelBox& box);

// The box of the printed characters of text written at (x, y): from its
// first to its last character that is not a blank, from y up by one text
// height and the rise of a raised character ("\\U2").
LabelBox text_box(const FigureKit& kit, double x, double y, std::string_view text);

// The part [t0, t1] of the segment from start to start + delta (t from 0
// at start to 1 at its end) that lies inside box, both in the same
// coordinates (Y downward); false when the segment misses the box.
bool segment_part_in_box(PagePoint start, PagePoint delta, const LabelBox& box, double& t0,
                         double& t1);

// True when the line passes through the inside of the box. A line along an
// edge (an underline, the line a level stands on) does not count: the box is
// first shrunk by kEdgeClearance on every side.
bool line_strikes_box(const InkLine& line, const LabelBox& box);

// The pieces of the line left outside every box it strikes, in order from
// its start; a box it only touches along an edge leaves it whole.
std::vector<InkLine> line_pieces_outside(const InkLine& line, const std::vector<LabelBox>& boxes);

// True when the insides of the two boxes meet.
bool boxes_overlap(const LabelBox& a, const LabelBox& b);

// True when no line and no box of ink meets the box.
bool box_is_clear(const FigureInk& ink, const LabelBox& box);

// How a label may move: along its own line (a unit direction; both ways
// unless one_way) at most along_reach, and to its free side (a unit
// direction) at most free_reach, in steps of step page units.
struct LabelMoves {
    PagePoint along{1.0, 0.0};
    bool one_way = false;
    double along_reach = 0.0;
    PagePoint free_side{0.0, 1.0};
    double free_reach = 0.0;
    double step = 1.0;
};

// The moves of a label of the kit's text size: a quarter text height a
// step, along its line as far as along_cells half-width cells, to the free
// side as far as free_lines text lines.
LabelMoves label_moves(const FigureKit& kit, PagePoint along, double along_cells,
                       PagePoint free_side, double free_lines);

// How far a placed label moved from where it was wanted.
struct LabelShift {
    double dx = 0.0;
    double dy = 0.0;
};

// The smallest move of the box wanted that leaves it clear of ink: along its
// line, to its free side or both, fewest steps first and at equal steps the
// one more along its line; no move when it is clear where wanted or when no
// move within reach clears it.
// also_clear, when given, is asked of each place too (the marks that move
// with the label, such as its underline and leader, tested by the caller).
LabelShift clear_label_shift(const FigureInk& ink, const LabelBox& wanted, const LabelMoves& moves,
                             const std::function<bool(const LabelShift&)>& also_clear = {});

// The strip of a label's underline at y under the label's box: it reaches
// past the underline by the edge clearance, so that a text it passes through
// meets it and a line along it does not count.
LabelBox underline_box(const LabelBox& label, double y);

// The highest point (smallest Y) of the figure's lines and boxes (not its
// frame) over the page X range [x1, x2], or none_found when nothing drawn
// lies over it.
double highest_ink(const FigureInk& ink, double x1, double x2, double none_found);

// The box of the water-level mark whose tip stands at (x, y).
LabelBox water_mark_box(double x, double y);

// The box moved by shift.
LabelBox shifted(const LabelBox& box, const LabelShift& shift);

} // namespace wtn
