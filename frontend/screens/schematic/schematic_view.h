// The view over the schematic's display lists: the scale window of the square
// drawing area, the fit to the whole section, zoom by a dragged rectangle,
// the two pans, where the view-edge markers and the labels land, and the zoom
// states with their prompts. Plain functions over plain state; the screen
// copies the scale window into its picture and turns the replies into control
// changes.
#pragma once

#include "schematic_model.h"

#include <optional>
#include <string>
#include <vector>

namespace wtn::schematic {

// The user scale of the drawing area: the drawing-unit coordinates of its
// top-left corner, its width (positive) and height (negative: y grows
// upward). Held in 32-bit floats as the drawing area holds them, so repeated
// pans and label tests round as they do on screen.
struct ScaleWindow {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct ViewState {
    ScaleWindow scale;
    double view_cx = 0; // centre of the view, drawing units
    double view_cy = 0;
    int hsb_last = 0; // scroll-bar values at the last pan or build
    int vsb_last = 0;
    bool zoom_in_sw = false; // zoom mode chosen with the zoom options
    bool zoom_out_sw = false;
    bool zoom_pending = false; // start point given, end point awaited
    float zoom_x1 = 0, zoom_y1 = 0;
    float zoom_x2 = 0, zoom_y2 = 0; // follows the mouse while pending
};

// Fits a square scale window to every line of the list (markers left out)
// and centres the view on it. Straight shape: the wall in the middle, 10 % of
// the height spare above and below. Embankment: the land side gets two
// thirds of the width when the section is wide. A window that would miss part
// of the section's height is centred on it. An empty list changes nothing.
// A shape outside the list changes nothing.
void set_Mszarea(ViewState& view, const std::vector<MseRec>& lines, GroundShape shape);

// Smallest and largest side of a view a zoom may make, m: below a centimetre
// or beyond 100 km the float scale window loses the drawing.
inline constexpr double kMinViewSide = 0.01;
inline constexpr double kMaxViewSide = 100000.0;

// Applies the pending rectangle (zoom_x1, zoom_y1)-(zoom_x2, zoom_y2) in the
// chosen mode: zoom in makes the rectangle's larger side the new view's side,
// zoom out scales the view up by the ratio of its side to that side, both
// about the rectangle's centre. An empty rectangle, or a view side out of
// range, changes nothing. True when the scale window changed.
bool apply_zoom(ViewState& view);

// One pan step of 2 % of the view, right (or down) when the bar's value grew
// since the last change, else left (or up), however far the value moved.
void hsb_gm18_Change(ViewState& view, int value);
void vsb_gm18_Change(ViewState& view, int value);

// x with a view-edge marker replaced by the edge of the current view.
double edge_x(double x, const ScaleWindow& scale);

// Where a label's top-left corner goes, or nothing when the view hides it.
// A crown label also gets a short tick from the wall to the left.
struct LabelPlace {
    double x = 0;
    double y = 0;
    bool crown_tick = false; // line (0, y_label) -> (tick_x, y_label) first
    double tick_x = 0;
};
std::optional<LabelPlace> place_label(const MmoRec& label, const ScaleWindow& scale);

// The zoom states: off (no zoom option chosen), ready (an option chosen,
// nothing pending) and pending (the start point given).
enum class ZoomOption { none, zoom_in, zoom_out };
enum class ZoomPhase { off, ready, pending };
ZoomPhase zoom_phase(const ViewState& view, ZoomOption option);

inline constexpr const char* kPromptStart = "範囲始点を指示してください。";
inline constexpr const char* kPromptEnd = "範囲終点を指示してください。";

// Mouse buttons as the drawing area reports them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// What the screen does after a zoom event.
struct ZoomReply {
    bool refresh = false;              // repaint the drawing area
    bool clear_options = false;        // turn both zoom options off
    std::optional<std::string> prompt; // new text of the status panel
};

// A zoom option was chosen (the selection as it now stands).
ZoomReply opt_dgm18_Click(ViewState& view, ZoomOption option);
// A mouse button went down at (x, y), drawing units.
ZoomReply pic_gm18_MouseDown(ViewState& view, ZoomOption option, int button, float x, float y);
// The mouse moved to (x, y): the rectangle's end follows. True when the area
// must be repainted.
bool pic_gm18_MouseMove(ViewState& view, float x, float y);
// A build clears the zoom mode and a pending rectangle.
void reset_zoom(ViewState& view);

} // namespace wtn::schematic
