// Where the painter puts what a page holds, in body units (X from the body's
// left edge, Y down from its top; 100 a line and a full-width cell): the
// glyphs of page text and of drawing text, and the arcs of angle marks. The
// painter and the overlap check both use it, so the check sees the glyphs
// where they are printed.
#pragma once

#include "marked_text.h"
#include "report_files.h"

#include <vector>

namespace wtn::viewer {

inline constexpr double kGlyphSize = 100.0; // em of a full-width page glyph: one cell of 100 units
inline constexpr double kBaselineDepth = 82.0; // baseline below a line's top
inline constexpr double kShiftedScale = 0.6;   // raised and lowered glyphs
inline constexpr double kRaise = 45.0;         // baseline lift of a raised glyph, per kGlyphSize
inline constexpr double kLower = 12.0;         // baseline drop of a lowered glyph, per kGlyphSize
// A drawing text's baseline stands this part of its height above its anchor.
inline constexpr double kDrawingBaselineLift = 0.12;
inline constexpr int kArcSteps = 48; // straight pieces of an angle mark's arc

// An affine map from a glyph's own coordinates (pen on the baseline at the
// origin, Y down, one unit the font's size) to body units:
// x = x0 + xx * u + xy * v, y = y0 + yx * u + yy * v.
struct GlyphFrame {
    double xx = 1.0;
    double xy = 0.0;
    double yx = 0.0;
    double yy = 1.0;
    double x0 = 0.0;
    double y0 = 0.0;
};

// Size factor and baseline offset (per unit of size) of a shifted glyph.
double shift_scale(Shift shift);
double shift_baseline(Shift shift);

// The frame of a page glyph at cell of body line line.
GlyphFrame page_glyph_frame(int line, int cell, Shift shift);

// The frames of the glyphs of a K command whose drawing's origin lies at
// (origin_x, origin_y) in body units, one per glyph of text.
std::vector<GlyphFrame> drawing_glyph_frames(const DrawCommand& command,
                                             const std::vector<Glyph>& text, double origin_x,
                                             double origin_y);

struct BodyPoint {
    double x = 0.0;
    double y = 0.0;
};

// The arc of an angle mark: counter-clockwise on the sheet about the vertex
// from the first leg's direction to the second's, its radius going from one
// leg's length to the other's; kArcSteps + 1 points.
std::vector<BodyPoint> angle_mark_arc(BodyPoint first, BodyPoint vertex, BodyPoint third);

} // namespace wtn::viewer
