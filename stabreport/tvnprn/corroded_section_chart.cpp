#include "corroded_section_chart.h"

#include "chart_labels.h"
#include "drawing_file.h"
#include "drawing_primitives.h"
#include "format_values.h"
#include "math_constants.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// The chart's window on the page (page units, Y growing downward).
constexpr double kLeft = 500.0;
constexpr double kRight = 3800.0;
constexpr double kBottom = 2500.0;
constexpr double kTop = 300.0;
constexpr int kChartColumns = 46;
constexpr int kChartLines = 29;
constexpr int kLabelSize = 60;
constexpr int kAxisCaptionSize = 70;
constexpr int kTitleSize = 80;
constexpr int kLabelPen = 2;
constexpr int kTitlePen = 3;
constexpr int kGridPen = 2;
constexpr int kLinePen = 3;
// The Z / Z0 axis stands left of the frame, its ticks reaching further left.
constexpr double kRatioAxisX = kLeft - 250.0;
constexpr double kRatioTickX = kLeft - 300.0;
constexpr double kRatioCaptionX = 100.0;
constexpr int kRatioStep = 10; // per cent between ticks

// The notes of points beyond the chart stand under the t1 caption.
constexpr double kBeyondNoteY = kBottom + 300.0;
constexpr double kBeyondNotePitch = 100.0;

// An alpha label struck by a line moves back along its own line by this
// step, page units, at most until it reaches the line's start.
constexpr double kAlongLineStep = 30.0;

bool within(double value, const ChartAxis& axis) {
    return value >= axis.minimum && value <= axis.maximum;
}

// The decided pile's point in one corroded zone.
struct ZonePoint {
    std::size_t section;
    double t1;
};

// A line of t2/t1 on the page and its label.
struct RatioLine {
    ChartSegment line;
    std::string label;
    ChartLabel place;
};

class SectionChartWriter {
  public:
    SectionChartWriter(const CorrosionChartLine& line)
        : line_(line),
          file_(kCorrodedSectionChartFile, "腐食後矢板の断面表", kChartColumns, kChartLines) {
        transform_.centre = {static_cast<double>(line.t1.minimum),
                             static_cast<double>(line.z.minimum)};
        transform_.scale_x = (kRight - kLeft) / (line.t1.maximum - line.t1.minimum);
        transform_.scale_y = (kTop - kBottom) / (line.z.maximum - line.z.minimum);
        transform_.target = {kLeft, kBottom};
    }

    void draw(const StabilityReport& report) {
        const DecidedPile& pile = report.results.decided;
        const double z0 = pile.modulus[kSectionUncorroded];
        const std::vector<ZonePoint> zones = zone_points(report);
        std::vector<RatioLine> ratios = ratio_lines(z0, pile.corrosion_table);
        // Every label is placed before anything is drawn: the grid gives way
        // to all of them.
        ChartMarks marks = chart_marks(ratios, zones, pile);
        for (RatioLine& r : ratios) {
            r.place = along_line_label(r, marks);
            marks.labels.push_back(r.place);
        }
        std::vector<DrawPoint> at;
        std::vector<std::string> texts;
        for (const ZonePoint& zone : zones) {
            const double z = pile.modulus_before_cut[zone.section];
            if (!within(zone.t1, line_.t1) || !within(z, line_.z)) continue;
            at.push_back(page(zone.t1, z));
            texts.push_back(point_label(zone, pile));
        }
        const std::vector<PointLabelPlace> places =
            place_point_labels(at, kLabelSize, texts, marks);

        const DrawPoint low = page(line_.t1.minimum, line_.z.minimum);
        const DrawPoint high = page(line_.t1.maximum, line_.z.maximum);
        file_.rectangle(low.x, low.y, high.x, high.y);
        vertical_grid(marks.labels);
        horizontal_grid(marks.labels);
        captions();
        ratio_axis(z0);
        for (const RatioLine& r : ratios) {
            file_.line(r.line.from.x, r.line.from.y, r.line.to.x, r.line.to.y, 0, kLinePen);
            text(r.place.anchor.x, r.place.anchor.y, kLabelSize, r.place.angle, kLabelPen, r.label);
        }
        pile_points(zones, pile, places);
        file_.close();
    }

  private:
    DrawPoint page(double t1, double z) const {
        const DrawPoint p = transform_point({t1, z}, transform_);
        return {std::trunc(p.x), std::trunc(p.y)};
    }

    void line(DrawPoint from, DrawPoint to, int pen) {
        const DrawPoint a = page(from.x, from.y);
        const DrawPoint b = page(to.x, to.y);
        file_.line(a.x, a.y, b.x, b.y, 0, pen);
    }

    void text(double x, double y, int size, int angle, int pen, const std::string& text) {
        file_.text(x, y, size, size, angle, AngleField::plain, pen, text);
    }

    // The grid steps of an axis in floating point: the installed t1 grids
    // are half a millimetre.
    static double grid_step(const ChartAxis& axis) {
        return static_cast<double>(axis.interval) / axis.lines_per_interval;
    }

    // The grid lines, the frame's edges among them, give way to the labels;
    // a label never stands on the frame, so the edges stay whole.
    void grid_line(DrawPoint from, DrawPoint to, const std::vector<ChartLabel>& labels) {
        write_grid_line(file_, {page(from.x, from.y), page(to.x, to.y)}, labels, kGridPen);
    }

    void vertical_grid(const std::vector<ChartLabel>& labels) {
        const ChartAxis& a = line_.t1;
        const long steps = axis_grid_steps(a);
        for (long k = 0; k <= steps && steps > 0; ++k) {
            const double t = a.minimum + static_cast<double>(k) * grid_step(a);
            grid_line({t, static_cast<double>(line_.z.minimum)},
                      {t, static_cast<double>(line_.z.maximum)}, labels);
            if (k % a.lines_per_interval != 0) continue;
            const std::string label = format_text("%1.0lf", t);
            const DrawPoint p = page(t, line_.z.minimum);
            text(p.x - 15.0 * static_cast<double>(label.size()), p.y + 75.0, kLabelSize, 0,
                 kLabelPen, label);
        }
    }

    void horizontal_grid(const std::vector<ChartLabel>& labels) {
        const ChartAxis& a = line_.z;
        const long steps = axis_grid_steps(a);
        for (long k = 0; k <= steps && steps > 0; ++k) {
            const double z = a.minimum + static_cast<double>(k) * grid_step(a);
            grid_line({static_cast<double>(line_.t1.minimum), z},
                      {static_cast<double>(line_.t1.maximum), z}, labels);
            if (k % a.lines_per_interval != 0) continue;
            const std::string label = format_text("%1.0lf", z);
            const DrawPoint p = page(line_.t1.minimum, z);
            text(p.x - 30.0 * static_cast<double>(label.size()) - 15.0, p.y + 30.0, kLabelSize, 0,
                 kLabelPen, label);
        }
    }

    void captions() {
        const double middle = (kLeft + kRight) / 2.0;
        const std::string title = corroded_section_caption(line_.id, line_.name);
        text(middle - 20.0 * static_cast<double>(title.size()), kTop - 80.0, kTitleSize, 0,
             kTitlePen, title);
        text(middle - 210.0, kBottom + 170.0, kAxisCaptionSize, 0, kLabelPen, "ｔ\\D1( mm )");
        text(kLeft - 200.0, kTop - 100.0, kAxisCaptionSize, 0, kLabelPen, "Ｚ(cm\\U3/m)");
    }

    // Z / Z0 in per cent from 100 down, as far as the Z axis reaches.
    void ratio_axis(double z0) {
        file_.line(kRatioAxisX, page(0.0, z0).y, kRatioAxisX, kBottom, 0, kLinePen);
        for (int p = 100; p >= 0 && p * z0 / 100.0 >= line_.z.minimum; p -= kRatioStep) {
            const double y = page(0.0, p * z0 / 100.0).y;
            file_.line(kRatioTickX, y, kRatioAxisX, y, 0, kLinePen);
            const std::string label = std::to_string(p);
            text(kRatioTickX - 30.0 * static_cast<double>(label.size()) - 15.0, y + 30.0,
                 kLabelSize, 0, kLabelPen, label);
            if (p != 100) continue;
            text(kRatioCaptionX, y - 140.0, kAxisCaptionSize, 0, kLabelPen, "Ｚ/Ｚ\\D0");
            text(kRatioCaptionX, y - 35.0, kAxisCaptionSize, 0, kLabelPen, "(％)");
        }
    }

    // Z = Z0 - a t1 for t2/t1 = 0, 0.25, 0.5, 0.75 and 1, each labelled
    // along its line, its end at the line's end, on the upper side.
    std::vector<RatioLine>
    ratio_lines(double z0, const std::array<double, kCorrosionTablePoints>& loss) const {
        std::vector<RatioLine> lines;
        for (std::size_t k = 0; k < kCorrosionTablePoints; ++k) {
            const double end = line_.line_ends[k];
            const DrawPoint a = page(line_.t1.minimum, z0);
            const DrawPoint b = page(end, z0 - loss[k] * end);
            const double ratio = 0.25 * static_cast<double>(k);
            const std::string label = format_text(k % 2 == 0 ? "α=%1.1lf" : "α=%1.2lf", ratio);
            const double theta = std::atan2(b.y - a.y, b.x - a.x);
            const double n = static_cast<double>(label.size());
            const DrawPoint anchor = {b.x - std::cos(theta) * n * 30.0 + std::sin(theta) * 15.0,
                                      b.y - std::sin(theta) * n * 30.0 - std::cos(theta) * 15.0};
            const int angle = static_cast<int>(-theta * 180.0 / kPi);
            lines.push_back({{a, b},
                             label,
                             chart_label({std::trunc(anchor.x), std::trunc(anchor.y)}, angle,
                                         kLabelSize, label)});
        }
        return lines;
    }

    // The frame, the lines of t2/t1 and the points' guide lines: no label
    // may stand on them.
    ChartMarks chart_marks(const std::vector<RatioLine>& ratios,
                           const std::vector<ZonePoint>& zones, const DecidedPile& pile) const {
        const DrawPoint low = page(line_.t1.minimum, line_.z.minimum);
        const DrawPoint high = page(line_.t1.maximum, line_.z.maximum);
        ChartMarks marks;
        marks.frame = {low.x, high.x, high.y, low.y};
        marks.lines = {{low, {high.x, low.y}},
                       {{high.x, low.y}, high},
                       {high, {low.x, high.y}},
                       {{low.x, high.y}, low}};
        for (const RatioLine& r : ratios)
            marks.lines.push_back(r.line);
        for (const ZonePoint& zone : zones) {
            const double z = pile.modulus_before_cut[zone.section];
            if (!within(zone.t1, line_.t1) || !within(z, line_.z)) continue;
            const DrawPoint at = page(zone.t1, z);
            marks.lines.push_back({page(zone.t1, line_.z.minimum), at});
            marks.lines.push_back({page(line_.t1.minimum, z), at});
        }
        return marks;
    }

    // The label at its place when that is clear, else moved back along its
    // line step by step; a label that finds no clear place stays put.
    static ChartLabel along_line_label(const RatioLine& r, const ChartMarks& marks) {
        ChartMarks others = marks;
        others.lines.erase(std::remove_if(others.lines.begin(), others.lines.end(),
                                          [&r](const ChartSegment& s) {
                                              return s.from.x == r.line.from.x &&
                                                     s.from.y == r.line.from.y &&
                                                     s.to.x == r.line.to.x && s.to.y == r.line.to.y;
                                          }),
                           others.lines.end());
        const double length = std::hypot(r.line.to.x - r.line.from.x, r.line.to.y - r.line.from.y);
        if (length <= 0.0) return r.place;
        const double ux = (r.line.to.x - r.line.from.x) / length;
        const double uy = (r.line.to.y - r.line.from.y) / length;
        for (double back = 0.0; back + r.place.length <= length; back += kAlongLineStep) {
            ChartLabel moved = r.place;
            moved.anchor = {std::trunc(r.place.anchor.x - ux * back),
                            std::trunc(r.place.anchor.y - uy * back)};
            if (label_is_clear(moved, others)) return moved;
        }
        return r.place;
    }

    std::vector<ZonePoint> zone_points(const StabilityReport& report) const {
        const CorrosionBlock& c = report.results.corrosion;
        std::vector<ZonePoint> zones;
        if (c.case_flag == kCorrosionZonesDiffer) zones.push_back({kSectionSeaWater, c.t1_sea});
        zones.push_back({kSectionSeabedMud, c.t1_mud});
        return zones;
    }

    static std::string point_label(const ZonePoint& zone, const DecidedPile& pile) {
        return format_text("(%1.1lf,%1.0lf)", zone.t1, pile.modulus[zone.section]);
    }

    // The decided pile in each corroded zone: t1 of the zone against Z
    // before the significant-digit cut, labelled with the design Z.
    void pile_points(const std::vector<ZonePoint>& zones, const DecidedPile& pile,
                     const std::vector<PointLabelPlace>& places) {
        double note_y = kBeyondNoteY;
        std::size_t placed = 0;
        for (const ZonePoint& zone : zones) {
            const double z = pile.modulus_before_cut[zone.section];
            // A point beyond an axis would be drawn outside the frame, across
            // the axis labels or off the page: the chart says where it lies.
            if (!within(zone.t1, line_.t1) || !within(z, line_.z)) {
                text(kLeft, note_y, kLabelSize, 0, kLabelPen,
                     point_label(zone, pile) + " は図の範囲外");
                note_y += kBeyondNotePitch;
                continue;
            }
            line({zone.t1, static_cast<double>(line_.z.minimum)}, {zone.t1, z}, kLinePen);
            line({static_cast<double>(line_.t1.minimum), z}, {zone.t1, z}, kLinePen);
            write_point_label(file_, places[placed++], kLabelPen, point_label(zone, pile));
        }
    }

    const CorrosionChartLine& line_;
    DrawingFile file_;
    PointTransform transform_;
};

} // namespace

bool has_corroded_section_chart(const StabilityReport& report) {
    const PileType type = report.pile_type();
    return is_steel_pile(type) && type != PileType::SteelPipe && report.results.decided.id >= 0 &&
           report.results.decided.added == kInstalledCatalogue && report.with_corrosion();
}

std::string corroded_section_caption(int pile_id, const std::string& name) {
    std::string caption = "Ｆ%s  ＮＫ%s  Ｋ%s  ＳＫ%s";
    if (pile_id == 2)
        caption = "Ｆ%s  ＮＫ%s  ＳＫ%s";
    else if (pile_id == 3)
        caption = "Ｋ%s";
    else if (pile_id >= 11 && pile_id <= 14)
        caption = "Ｆ%s  ＮＫ%s  Ｋ%s";
    else if (pile_id >= 15 && pile_id <= 17)
        caption = "Ｎ%s  ＮＫ%s  Ｋ%s  ＳＫ%s";
    // Every place takes the name: each family's maker prefix stands before it.
    for (std::size_t at = caption.find("%s"); at != std::string::npos;
         at = caption.find("%s", at + name.size()))
        caption.replace(at, 2, name);
    return caption;
}

void draw_corroded_section(const StabilityReport& report, const CorrosionChartLine& line) {
    SectionChartWriter(line).draw(report);
}

} // namespace wtn
