#include "chart_labels.h"

#include "figure_kit.h"
#include "figure_placement.h"
#include "math_constants.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace wtn {

namespace {

// The ink of a label, in character heights from its anchor: the text stands
// on a baseline lifted a little above the anchor, its capitals reach about
// one height above it, and brackets and commas reach a little below it.
constexpr double kInkAbove = 1.0;
constexpr double kInkBelow = 0.1;
// Room kept between a label's ink and a line or another label, page units.
constexpr double kClearance = 8.0;
// Gap between a point and the corner of its label that is moved off it, and
// the step by which a label moves along the point's level, page units.
constexpr double kPointGap = 15.0;
constexpr double kMoveStep = 30.0;
// A label touching the frame from inside still counts as inside it.
constexpr double kFrameTolerance = 0.5;
// Grid pieces shorter than this are left out, page units.
constexpr double kShortestPiece = 10.0;
constexpr int kLeaderType = 1; // dashed
constexpr int kLeaderPen = 1;

// The label's own axes: u along the baseline, v across it toward the
// bottom of the glyphs (Y grows downward on the page).
struct LabelAxes {
    double ux, uy, vx, vy;
};

LabelAxes axes_of(const ChartLabel& label) {
    const double a = label.angle * kPi / 180.0;
    return {std::cos(a), -std::sin(a), std::sin(a), std::cos(a)};
}

struct LocalBox {
    double u0, u1, v0, v1;
};

LocalBox box_of(const ChartLabel& label, double margin) {
    return {-margin, label.length + margin, -kInkAbove * label.height - margin,
            kInkBelow * label.height + margin};
}

std::array<DrawPoint, 4> corners(const ChartLabel& label, double margin) {
    const LabelAxes a = axes_of(label);
    const LocalBox b = box_of(label, margin);
    auto at = [&](double u, double v) {
        return DrawPoint{label.anchor.x + a.ux * u + a.vx * v,
                         label.anchor.y + a.uy * u + a.vy * v};
    };
    return {at(b.u0, b.v0), at(b.u1, b.v0), at(b.u1, b.v1), at(b.u0, b.v1)};
}

// The part [t0, t1] of the segment (t from 0 at its start to 1 at its end)
// inside the label's box widened by margin; false when it misses the box.
bool segment_inside(const ChartSegment& s, const ChartLabel& label, double margin, double& t0,
                    double& t1) {
    const LabelAxes a = axes_of(label);
    const LocalBox b = box_of(label, margin);
    const double dx0 = s.from.x - label.anchor.x;
    const double dy0 = s.from.y - label.anchor.y;
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    const double u = dx0 * a.ux + dy0 * a.uy;
    const double v = dx0 * a.vx + dy0 * a.vy;
    const double du = dx * a.ux + dy * a.uy;
    const double dv = dx * a.vx + dy * a.vy;
    // v grows toward the bottom of the glyphs, as Y does on the page.
    const LabelBox local{b.u0, b.u1, b.v1, b.v0};
    return segment_part_in_box({u, v}, {du, dv}, local, t0, t1);
}

bool crosses(const ChartLabel& label, const ChartSegment& s) {
    double t0 = 0.0, t1 = 0.0;
    return segment_inside(s, label, kClearance, t0, t1);
}

// Two boxes overlap unless one of their four edge directions separates them.
bool labels_meet(const ChartLabel& a, const ChartLabel& b) {
    const std::array<DrawPoint, 4> pa = corners(a, kClearance / 2.0);
    const std::array<DrawPoint, 4> pb = corners(b, kClearance / 2.0);
    const LabelAxes aa = axes_of(a);
    const LabelAxes ab = axes_of(b);
    const double directions[4][2] = {
        {aa.ux, aa.uy}, {aa.vx, aa.vy}, {ab.ux, ab.uy}, {ab.vx, ab.vy}};
    for (const auto& d : directions) {
        double a_min = 1e300, a_max = -1e300, b_min = 1e300, b_max = -1e300;
        for (const DrawPoint& p : pa) {
            a_min = std::min(a_min, p.x * d[0] + p.y * d[1]);
            a_max = std::max(a_max, p.x * d[0] + p.y * d[1]);
        }
        for (const DrawPoint& p : pb) {
            b_min = std::min(b_min, p.x * d[0] + p.y * d[1]);
            b_max = std::max(b_max, p.x * d[0] + p.y * d[1]);
        }
        if (a_max < b_min || b_max < a_min) return false;
    }
    return true;
}

bool inside_frame(const ChartLabel& label, const ChartFrame& f) {
    for (const DrawPoint& p : corners(label, 0.0)) {
        if (p.x < f.left - kFrameTolerance || p.x > f.right + kFrameTolerance ||
            p.y < f.top - kFrameTolerance || p.y > f.bottom + kFrameTolerance)
            return false;
    }
    return true;
}

ChartLabel level_label(double x, double y, const ChartLabel& shape) {
    ChartLabel label = shape;
    label.anchor = {std::trunc(x), std::trunc(y)};
    return label;
}

bool ends_at(const ChartSegment& s, DrawPoint p) {
    return (s.from.x == p.x && s.from.y == p.y) || (s.to.x == p.x && s.to.y == p.y);
}

// Clear of every line but those ending at the point passed (the point's own
// guide lines, which a label at the point's corner only touches).
bool clear_of(const ChartLabel& label, const ChartMarks& marks, const DrawPoint* own_point) {
    if (!inside_frame(label, marks.frame)) return false;
    for (const ChartSegment& s : marks.lines) {
        if (own_point != nullptr && ends_at(s, *own_point)) continue;
        if (crosses(label, s)) return false;
    }
    for (const ChartLabel& other : marks.labels)
        if (labels_meet(label, other)) return false;
    return true;
}

} // namespace

ChartLabel chart_label(DrawPoint anchor, int angle, int size, const std::string& text) {
    return {anchor, angle, label_cells(text) * size / 2.0, static_cast<double>(size)};
}

bool label_is_clear(const ChartLabel& label, const ChartMarks& marks) {
    return clear_of(label, marks, nullptr);
}

PointLabelPlace place_point_label(DrawPoint point, int size, const std::string& text,
                                  const ChartMarks& marks) {
    const ChartLabel shape = chart_label(point, 0, size, text);
    const double above = point.y - kPointGap;
    const double below = point.y + kPointGap + (kInkAbove + kInkBelow) * shape.height;
    // At the point itself, then a little off it at each of its corners: the
    // guide lines end at the point and run left and down from it, so each
    // corner is off them.
    const ChartLabel at_corners[] = {
        level_label(point.x, point.y, shape),
        level_label(point.x + kPointGap, above, shape),
        level_label(point.x - shape.length - kPointGap, above, shape),
        level_label(point.x + kPointGap, below, shape),
        level_label(point.x - shape.length - kPointGap, below, shape),
    };
    for (const ChartLabel& label : at_corners)
        if (clear_of(label, marks, &point)) return {label, false, {}};

    // Along the level: to the right a dashed leader ties the label to its
    // point; to the left the point's own guide line runs under the label.
    const double reach = marks.frame.right - marks.frame.left;
    for (double move = kMoveStep; move <= reach; move += kMoveStep) {
        for (const double y : {above, below}) {
            const ChartLabel right = level_label(point.x + kPointGap + move, y, shape);
            const ChartSegment leader{point, {right.anchor.x, point.y}};
            bool leader_clear = true;
            for (const ChartLabel& other : marks.labels)
                if (crosses(other, leader)) leader_clear = false;
            if (leader_clear && clear_of(right, marks, &point)) return {right, true, leader};
            const ChartLabel left =
                level_label(point.x - shape.length - kPointGap - move, y, shape);
            if (clear_of(left, marks, &point)) return {left, false, {}};
        }
    }
    return {at_corners[0], false, {}};
}

std::vector<PointLabelPlace> place_point_labels(const std::vector<DrawPoint>& points, int size,
                                                const std::vector<std::string>& texts,
                                                ChartMarks& marks) {
    std::vector<std::size_t> order(points.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&points](std::size_t a, std::size_t b) { return points[a].y < points[b].y; });
    std::vector<PointLabelPlace> places(points.size());
    for (const std::size_t i : order) {
        places[i] = place_point_label(points[i], size, texts[i], marks);
        marks.labels.push_back(places[i].label);
        if (places[i].has_leader) marks.lines.push_back(places[i].leader);
    }
    return places;
}

std::vector<ChartSegment> grid_line_pieces(const ChartSegment& line,
                                           const std::vector<ChartLabel>& labels) {
    std::vector<std::pair<double, double>> gaps;
    for (const ChartLabel& label : labels) {
        double t0 = 0.0, t1 = 0.0;
        if (segment_inside(line, label, kClearance, t0, t1)) gaps.push_back({t0, t1});
    }
    if (gaps.empty()) return {line};
    std::sort(gaps.begin(), gaps.end());
    auto at = [&line](double t) {
        return DrawPoint{line.from.x + (line.to.x - line.from.x) * t,
                         line.from.y + (line.to.y - line.from.y) * t};
    };
    std::vector<ChartSegment> pieces;
    double start = 0.0;
    for (const auto& [t0, t1] : gaps) {
        if (t0 > start) pieces.push_back({at(start), at(t0)});
        start = std::max(start, t1);
    }
    if (start < 1.0) pieces.push_back({at(start), at(1.0)});
    return pieces;
}

void write_grid_line(DrawingFile& file, const ChartSegment& line,
                     const std::vector<ChartLabel>& labels, int pen) {
    for (const ChartSegment& piece : grid_line_pieces(line, labels)) {
        // A sliver left between two labels would print as a dot.
        if (std::hypot(piece.to.x - piece.from.x, piece.to.y - piece.from.y) < kShortestPiece)
            continue;
        file.line(piece.from.x, piece.from.y, piece.to.x, piece.to.y, 0, pen);
    }
}

void write_point_label(DrawingFile& file, const PointLabelPlace& place, int pen,
                       const std::string& text) {
    if (place.has_leader)
        file.line(place.leader.from.x, place.leader.from.y, place.leader.to.x, place.leader.to.y,
                  kLeaderType, kLeaderPen);
    const ChartLabel& l = place.label;
    file.text(l.anchor.x, l.anchor.y, static_cast<int>(l.height), static_cast<int>(l.height),
              l.angle, AngleField::plain, pen, text);
}

} // namespace wtn
