// Part routines every generated figure shares: a model line between two
// stored page points, the property label of a soil layer, and value labels
// (an underlined value beside a diagram point, kept clear of the label placed
// just before it and tied to the point by a leader). Every point written
// passes the kit's sheet stage and is truncated toward zero.
#pragma once

#include "drawing_file.h"
#include "figure_kit.h"
#include "figure_points.h"
#include "input_record.h"

#include <string_view>

namespace wtn {

enum class LabelSide { right, left }; // side of the anchor the label stands on
enum class SoilSide { land, sea };

// One end of a layer's upper and lower boundary lines in the figure. A layer
// whose lower boundary is not drawn (the last layer) has has_lower_line
// false; its y_bottom is then not read.
struct SoilLabelPlace {
    int x_top = 0;
    int y_top = 0;
    int x_bottom = 0;
    int y_bottom = 0;
    bool has_lower_line = true;
};

// "L x1 y1 x2 y2 0 2" from (xs[0], ys[0]) to (xs[1], ys[1]).
void draw_model_line(DrawingFile& file, const FigureKit& kit, const int xs[2], const int ys[2]);
// The same for a stored line.
void draw_model_line(DrawingFile& file, const FigureKit& kit, const FigureLine& line);

// The label of layer (row index) of the given side: one line for a sandy
// layer (phi at least 0.0001), two for a cohesive one.
void draw_soil_label(DrawingFile& file, const FigureKit& kit, const InputRecord& input,
                     SoilSide side, int layer, const SoilLabelPlace& place);

// Where a label of cells half-width cells, wanted with its underline starting
// at (x, y), is placed so it does not overlap the label placed last; updates
// the kit's last_label_box.
PagePoint avoid_label_overlap(FigureKit& kit, double x, double y, int cells, bool two_lines);

// The underline, the leader to the anchor and the joint of a label placed at
// (x, y).
void draw_label_leader(DrawingFile& file, const FigureKit& kit, int anchor_x, int anchor_y,
                       double x, double y, int cells, LabelSide side);

// A value label for the anchor point: at pos, or beside the anchor when pos
// is the anchor itself; text2, when it differs from text1, goes below the
// underline as a second line.
int place_value_label(DrawingFile& file, FigureKit& kit, std::string_view text1,
                      std::string_view text2, int anchor_x, int anchor_y, int pos_x, int pos_y,
                      int cells, LabelSide side);

} // namespace wtn
