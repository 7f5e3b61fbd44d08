// The drawing-kit state a report program keeps while it writes a figure: the
// frame, the two mapping stages (model to page, page to sheet), the text
// metrics of the labels and the box of the label placed last. One kit per
// program run; each figure's layout set-up rewrites it before drawing.
//
// Page coordinates: X to the right, Y downward, origin at the frame's upper
// left corner; a full-page frame spans X 0..3900 and Y 0..5900. A landscape
// figure is drawn in X' 0..5900 (along the long side), Y' 0..3900, and the
// sheet stage turns it by 90 degrees: X = Y', Y = 5900 - X'.
#pragma once

#include "drawing_file.h"
#include "drawing_primitives.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace wtn {

inline constexpr int kFrameWidth = 3900;    // page units across a full-page frame
inline constexpr int kFrameHeight = 5900;   // page units down a full-page frame
inline constexpr int kTitleBandDepth = 300; // depth of the title band
inline constexpr int kFrameTitleSize = 150; // height and width of the frame title's characters

struct FigureFrame {
    std::int32_t x1 = 0;
    std::int32_t band_x = 0; // title-band line of a landscape figure
    std::int32_t x2 = 0;
    std::int32_t y1 = 0;
    std::int32_t band_y = 0; // title-band line of an upright figure
    std::int32_t y2 = 0;
};

// Box of a value label: left and right edges, lower edge (largest Y) and
// upper edge (smallest Y), page units.
struct LabelBox {
    double left = 0.0;
    double right = 0.0;
    double lower = 0.0;
    double upper = 0.0;
};

// A point in page units.
using PagePoint = DrawPoint;

struct FigureInk; // figure_placement.h

struct FigureKit {
    FigureFrame frame;
    double sheet_angle = 0.0; // degrees: 0 upright, 90 landscape
    double sheet_cos = 1.0;
    double sheet_sin = 0.0;
    double sheet_offset_x = 0.0;
    double sheet_offset_y = 0.0;
    double win_x1 = 0.0; // drawing window, in the figure's own coordinates
    double win_x2 = 0.0;
    double win_y1 = 0.0;
    double win_y2 = 0.0;
    double model_origin_x = 0.0; // model point (distance m, level m) put on the page centre
    double model_origin_y = 0.0;
    double page_centre_x = 0.0;
    double page_centre_y = 0.0;
    double page_scale = 1.0;  // page units per metre
    double value_scale = 1.0; // page units per kN/m2 on a value axis
    double model_cos = 1.0;   // the model rotation: always none
    double model_sin = 0.0;
    // Layout values of particular figures, set by their layout set-ups.
    double load_scale = 0.0;
    double ground_reach = 0.0;
    double arrow_pitch = 0.0;
    double fit_anchor_x = 0.0;
    double fit_anchor_y = 0.0;
    double fit_width = 0.0;
    double fit_height = 0.0;
    double water_origin_x = 0.0;
    double water_origin_y = 0.0;
    int surcharge_landscape = 0;
    double max_surcharge = 0.0;
    std::int32_t text_height = 70; // label character height, page units
    std::int32_t text_width = 75;  // label full-width character width, page units
    LabelBox last_label_box;
    // The lines, texts and marks of the figure being drawn, when its driver
    // keeps its labels clear of them (figure_placement.h); none otherwise.
    FigureInk* ink = nullptr;
};

// Sets the sheet stage: upright (angle 0, no offset) or landscape (angle 90,
// Y offset the frame height).
void set_sheet_stage(FigureKit& kit, bool landscape);

// A page point through the sheet stage, before truncation.
PagePoint to_sheet(const FigureKit& kit, double x, double y);

// The figure point that the sheet stage puts on the sheet point (x, y).
PagePoint from_sheet(const FigureKit& kit, double x, double y);

// A model point (distance from the wall face, level) on the page: a higher
// level gets a smaller Y.
PagePoint model_to_page(const FigureKit& kit, double x, double level);

// The sheet stage in the form the calculation library's symbols take.
SheetTransform sheet_transform(const FigureKit& kit);

// Printed width of a label text in half-width cells: its bytes, less two for
// each one-character escape ("\U", "\D") and one for each doubled "\\", since
// escapes take no room on the sheet.
int label_cells(std::string_view cp932);

// Width of a label of cells half-width cells in page units.
double label_width(const FigureKit& kit, int cells);

// Writes the frame (Q), the title-band line and the title in page
// coordinates, not through the sheet stage.
void draw_figure_frame(DrawingFile& file, const FigureKit& kit, std::string_view title,
                       bool landscape);

} // namespace wtn
