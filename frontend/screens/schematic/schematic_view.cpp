#include "schematic_view.h"

#include <algorithm>
#include <cmath>

namespace wtn::schematic {
namespace {

// Spare room of the fit: 10 % of the section's height above and below.
constexpr double kFitMargin = 0.1;
constexpr double kFitEnlarge = 1.2;
// A pan moves the view by 2 % of its width or height.
constexpr double kPanStep = 0.02;

// Label positions as fractions of the view's width (across) and height (up:
// the height is negative, so subtracting a fraction of it moves up).
constexpr double kCrownTickEnd = -0.08;
constexpr double kCrownTextLeft = -0.07;
constexpr double kAboveLine = 0.03;
constexpr float kLandTextShownFrom = 0.75f; // the land texts stand at three quarters across
constexpr float kLandEndShownFrom = 0.9f;
constexpr double kLandEndTextLeft = 0.8;
constexpr float kSeaEndShownFrom = 0.1f;
constexpr float kSeaTextShownFrom = 0.25f;
constexpr double kSeaTextLeft = 0.1;
// The four lines of a layer text, two above and two below the anchor.
constexpr double kLayerLineOffset[kLayerTextLines] = {-0.035, -0.01, 0.015, 0.04};

bool is_marker(double v) {
    return v == kRightEdge || v == kLeftEdge;
}

// Sets the window's origin so that the view centre lies in its middle.
void recentre(ViewState& view) {
    ScaleWindow& s = view.scale;
    s.top = static_cast<float>(view.view_cy - s.height * 0.5);
    s.left = static_cast<float>(view.view_cx - s.width * 0.5);
}

} // namespace

void set_Mszarea(ViewState& view, const std::vector<MseRec>& lines, GroundShape shape) {
    double x_max = kLeftEdge, y_max = kLeftEdge, y_min = kRightEdge;
    bool any = false;
    for (const MseRec& m : lines) {
        for (double x : {m.x1, m.x2}) {
            if (is_marker(x)) continue;
            x_max = std::max(x_max, x);
            any = true;
        }
        for (double y : {m.y1, m.y2}) {
            if (is_marker(y)) continue;
            y_max = std::max(y_max, y);
            y_min = std::min(y_min, y);
            any = true;
        }
    }
    if (!any) return;

    const double span = y_max - y_min;
    double h = 0, w = 0, t = 0, x_left = 0;
    if (shape == GroundShape::Straight) {
        h = kFitEnlarge * span;
        w = h;
        t = y_max + kFitMargin * span;
        x_left = -w / 2;
    } else if (shape == GroundShape::Embankment) {
        h = span;
        w = x_max;
        if (2 * w > h) {
            // A wide section: the land side takes two thirds of the view.
            w = w + w / 3;
            if (h >= w) {
                h = kFitEnlarge * h;
                w = h;
                t = y_max + kFitMargin * span;
            } else {
                w = kFitEnlarge * w;
                h = w;
                t = 0.9 * (w + y_min);
            }
            x_left = -w / 3;
        } else {
            h = kFitEnlarge * h;
            w = h;
            t = y_max + kFitMargin * span;
            x_left = -w / 2;
        }
        // The top taken from the width depends on where the datum lies: far
        // above or below it the section would fall out of the window.
        if (t < y_max || t - h > y_min) t = (y_max + y_min + h) / 2;
    }
    if (h == 0) h = 1;
    if (w == 0) w = 1;

    view.scale.top = static_cast<float>(t);
    view.scale.left = static_cast<float>(x_left);
    view.scale.height = static_cast<float>(-h);
    view.scale.width = static_cast<float>(w);
    view.view_cx = (x_left + (x_left + w)) / 2;
    view.view_cy = (t + (t - h)) / 2;
}

bool apply_zoom(ViewState& view) {
    const float dx = std::abs(view.zoom_x1 - view.zoom_x2);
    const float dy = std::abs(view.zoom_y1 - view.zoom_y2);
    if (dx == 0 && dy == 0) return false;
    const float sw = view.scale.width;
    const float sh = view.scale.height;
    double f = 0;
    if (view.zoom_in_sw) {
        f = dx > dy ? static_cast<double>(dx) / sw : static_cast<double>(dy) / std::abs(sh);
    } else if (view.zoom_out_sw) {
        f = dx > dy ? static_cast<double>(sw) / dx : static_cast<double>(std::abs(sh)) / dy;
    } else {
        return false;
    }
    const double side = f * sw;
    if (!std::isfinite(side) || side < kMinViewSide || side > kMaxViewSide) return false;
    view.view_cy = (static_cast<double>(view.zoom_y1) + view.zoom_y2) / 2;
    view.view_cx = (static_cast<double>(view.zoom_x1) + view.zoom_x2) / 2;
    view.scale.top = static_cast<float>(view.view_cy - 0.5 * f * sh);
    view.scale.left = static_cast<float>(view.view_cx - 0.5 * f * sw);
    view.scale.height = static_cast<float>(f * sh);
    view.scale.width = static_cast<float>(f * sw);
    return true;
}

void hsb_gm18_Change(ViewState& view, int value) {
    const double step = kPanStep * view.scale.width;
    view.view_cx += value > view.hsb_last ? step : -step;
    recentre(view);
    view.hsb_last = value;
}

void vsb_gm18_Change(ViewState& view, int value) {
    // The height is negative: a growing value moves the centre down.
    const double step = kPanStep * view.scale.height;
    view.view_cy += value > view.vsb_last ? step : -step;
    recentre(view);
    view.vsb_last = value;
}

double edge_x(double x, const ScaleWindow& scale) {
    if (x > 999) return scale.left + scale.width;
    if (x < -999) return scale.left;
    return x;
}

std::optional<LabelPlace> place_label(const MmoRec& label, const ScaleWindow& scale) {
    // The visibility tests are made in the float scale window.
    const float sl = scale.left;
    const float sw = scale.width;
    const double sh = scale.height;
    const double v = label.y;
    LabelPlace p;
    const int kind = label.kind;
    if (kind == kCrownLabel) {
        p.crown_tick = true;
        p.tick_x = kCrownTickEnd * sw;
        p.x = kCrownTextLeft * sw;
        p.y = v - kAboveLine * sh;
        return p;
    }
    if (kind == kLandEndLabel) {
        if (!(sl + kLandEndShownFrom * sw >= 0)) return std::nullopt;
        p.x = sl + kLandEndTextLeft * sw;
        p.y = v - kAboveLine * sh;
        return p;
    }
    if (kind == kSeaEndLabel) {
        if (!(sl <= 0 && std::abs(sl) >= kSeaEndShownFrom * sw)) return std::nullopt;
        p.x = sl;
        p.y = v - kAboveLine * sh;
        return p;
    }
    if (kind >= kFirstLayerTextLine && kind <= kLayerTextLines) {
        if (!(sl + kLandTextShownFrom * sw >= 0)) return std::nullopt;
        p.x = sl + static_cast<double>(kLandTextShownFrom) * sw;
        p.y = v + kLayerLineOffset[kind - kFirstLayerTextLine] * sh;
        return p;
    }
    if (kind <= -kFirstLayerTextLine && kind >= -kLayerTextLines) {
        if (!(sl <= 0 && std::abs(sl) >= kSeaTextShownFrom * sw)) return std::nullopt;
        p.x = sl + kSeaTextLeft * sw;
        p.y = v + kLayerLineOffset[-kind - kFirstLayerTextLine] * sh;
        return p;
    }
    return std::nullopt;
}

ZoomPhase zoom_phase(const ViewState& view, ZoomOption option) {
    if (option == ZoomOption::none) return ZoomPhase::off;
    return view.zoom_pending ? ZoomPhase::pending : ZoomPhase::ready;
}

ZoomReply opt_dgm18_Click(ViewState& view, ZoomOption option) {
    view.zoom_in_sw = option == ZoomOption::zoom_in;
    view.zoom_out_sw = option == ZoomOption::zoom_out;
    ZoomReply reply;
    reply.prompt = view.zoom_pending ? kPromptEnd : kPromptStart;
    return reply;
}

ZoomReply pic_gm18_MouseDown(ViewState& view, ZoomOption option, int button, float x, float y) {
    ZoomReply reply;
    if (option == ZoomOption::none) return reply;
    if (button == kLeftButton) {
        if (!view.zoom_pending) {
            view.zoom_x1 = view.zoom_x2 = x;
            view.zoom_y1 = view.zoom_y2 = y;
            view.zoom_pending = true;
            reply.prompt = kPromptEnd;
            return reply;
        }
        view.zoom_x2 = x;
        view.zoom_y2 = y;
        view.zoom_pending = false;
        apply_zoom(view);
        // The repaint also takes the rectangle away when nothing was zoomed.
        reply.refresh = true;
        reply.prompt = kPromptStart;
        return reply;
    }
    if (button == kRightButton) {
        reply.clear_options = true;
        if (view.zoom_pending) {
            view.zoom_x2 = x;
            view.zoom_y2 = y;
            view.zoom_pending = false;
            reply.refresh = true;
        }
        reply.prompt = std::string();
    }
    return reply;
}

bool pic_gm18_MouseMove(ViewState& view, float x, float y) {
    if (!view.zoom_pending) return false;
    view.zoom_x2 = x;
    view.zoom_y2 = y;
    return true;
}

void reset_zoom(ViewState& view) {
    view.zoom_pending = false;
    view.zoom_in_sw = false;
    view.zoom_out_sw = false;
}

} // namespace wtn::schematic
