#include "printed_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wtn::viewer {

double shift_scale(Shift shift) {
    return shift == Shift::normal ? 1.0 : kShiftedScale;
}

double shift_baseline(Shift shift) {
    if (shift == Shift::raised) return -kRaise / kGlyphSize;
    if (shift == Shift::lowered) return kLower / kGlyphSize;
    return 0.0;
}

GlyphFrame page_glyph_frame(int line, int cell, Shift shift) {
    const double size = kGlyphSize * shift_scale(shift);
    GlyphFrame frame;
    frame.xx = size;
    frame.yy = size;
    frame.x0 = cell * kUnitsPerCell;
    frame.y0 = line * kUnitsPerLine + kBaselineDepth + kGlyphSize * shift_baseline(shift);
    return frame;
}

std::vector<GlyphFrame> drawing_glyph_frames(const DrawCommand& command,
                                             const std::vector<Glyph>& text, double origin_x,
                                             double origin_y) {
    // The painter moves to the anchor, turns by the angle, stretches X by
    // width / height and writes the glyphs along X from the baseline.
    const double height = std::max(1, command.numbers[2]);
    const double width = std::max(1, command.numbers[3]);
    const double angle = command.numbers[4] * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double stretch = width / height;
    const double anchor_x = origin_x + command.numbers[0];
    const double anchor_y = origin_y + command.numbers[1];
    std::vector<GlyphFrame> frames;
    double pen = 0.0;
    for (const Glyph& glyph : text) {
        const double size = height * shift_scale(glyph.shift);
        const double baseline =
            -height * kDrawingBaselineLift + height * shift_baseline(glyph.shift);
        GlyphFrame f;
        f.xx = c * stretch * size;
        f.xy = s * size;
        f.yx = -s * stretch * size;
        f.yy = c * size;
        f.x0 = anchor_x + c * stretch * pen + s * baseline;
        f.y0 = anchor_y - s * stretch * pen + c * baseline;
        frames.push_back(f);
        pen += glyph.cells * height / 2.0;
    }
    return frames;
}

std::vector<BodyPoint> angle_mark_arc(BodyPoint first, BodyPoint vertex, BodyPoint third) {
    const double a1 = std::atan2(-(first.y - vertex.y), first.x - vertex.x);
    const double a3 = std::atan2(-(third.y - vertex.y), third.x - vertex.x);
    double sweep = a3 - a1;
    while (sweep <= 0.0)
        sweep += 2.0 * std::numbers::pi;
    const double r1 = std::hypot(first.x - vertex.x, first.y - vertex.y);
    const double r3 = std::hypot(third.x - vertex.x, third.y - vertex.y);
    std::vector<BodyPoint> arc;
    for (int i = 0; i <= kArcSteps; ++i) {
        const double t = static_cast<double>(i) / kArcSteps;
        const double a = a1 + t * sweep;
        const double r = r1 + t * (r3 - r1);
        arc.push_back({vertex.x + r * std::cos(a), vertex.y - r * std::sin(a)});
    }
    return arc;
}

} // namespace wtn::viewer
