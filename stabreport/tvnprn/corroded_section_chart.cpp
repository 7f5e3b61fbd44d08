#include "corroded_section_chart.h"

#include "drawing_file.h"
#include "drawing_primitives.h"
#include "format_values.h"
#include "math_constants.h"

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

bool within(double value, const ChartAxis& axis) {
    return value >= axis.minimum && value <= axis.maximum;
}

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
        const DrawPoint low = page(line_.t1.minimum, line_.z.minimum);
        const DrawPoint high = page(line_.t1.maximum, line_.z.maximum);
        file_.rectangle(low.x, low.y, high.x, high.y);
        vertical_grid();
        horizontal_grid();
        captions();
        const DecidedPile& pile = report.results.decided;
        const double z0 = pile.modulus[kSectionUncorroded];
        ratio_axis(z0);
        ratio_lines(z0, pile.corrosion_table);
        pile_points(report);
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

    void vertical_grid() {
        const ChartAxis& a = line_.t1;
        const long steps = axis_grid_steps(a);
        for (long k = 0; k <= steps && steps > 0; ++k) {
            const double t = a.minimum + static_cast<double>(k) * grid_step(a);
            line({t, static_cast<double>(line_.z.minimum)},
                 {t, static_cast<double>(line_.z.maximum)}, kGridPen);
            if (k % a.lines_per_interval != 0) continue;
            const std::string label = format_text("%1.0lf", t);
            const DrawPoint p = page(t, line_.z.minimum);
            text(p.x - 15.0 * static_cast<double>(label.size()), p.y + 75.0, kLabelSize, 0,
                 kLabelPen, label);
        }
    }

    void horizontal_grid() {
        const ChartAxis& a = line_.z;
        const long steps = axis_grid_steps(a);
        for (long k = 0; k <= steps && steps > 0; ++k) {
            const double z = a.minimum + static_cast<double>(k) * grid_step(a);
            line({static_cast<double>(line_.t1.minimum), z},
                 {static_cast<double>(line_.t1.maximum), z}, kGridPen);
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
    // along its line.
    void ratio_lines(double z0, const std::array<double, kCorrosionTablePoints>& loss) {
        for (std::size_t k = 0; k < kCorrosionTablePoints; ++k) {
            const double end = line_.line_ends[k];
            const DrawPoint a = page(line_.t1.minimum, z0);
            const DrawPoint b = page(end, z0 - loss[k] * end);
            file_.line(a.x, a.y, b.x, b.y, 0, kLinePen);
            const double ratio = 0.25 * static_cast<double>(k);
            const std::string label = format_text(k % 2 == 0 ? "α=%1.1lf" : "α=%1.2lf", ratio);
            const double theta = std::atan2(b.y - a.y, b.x - a.x);
            const double n = static_cast<double>(label.size());
            text(b.x - std::cos(theta) * n * 30.0 + std::sin(theta) * 15.0,
                 b.y - std::sin(theta) * n * 30.0 - std::cos(theta) * 15.0, kLabelSize,
                 static_cast<int>(-theta * 180.0 / kPi), kLabelPen, label);
        }
    }

    // The decided pile in each corroded zone: t1 of the zone against Z
    // before the significant-digit cut, labelled with the design Z.
    void pile_points(const StabilityReport& report) {
        const DecidedPile& pile = report.results.decided;
        const CorrosionBlock& c = report.results.corrosion;
        struct Zone {
            std::size_t section;
            double t1;
        };
        std::vector<Zone> zones;
        if (c.case_flag == kCorrosionZonesDiffer) zones.push_back({kSectionSeaWater, c.t1_sea});
        zones.push_back({kSectionSeabedMud, c.t1_mud});
        double note_y = kBeyondNoteY;
        for (const Zone& zone : zones) {
            const double z = pile.modulus_before_cut[zone.section];
            // A point beyond an axis would be drawn outside the frame, across
            // the axis labels or off the page: the chart says where it lies.
            if (!within(zone.t1, line_.t1) || !within(z, line_.z)) {
                text(kLeft, note_y, kLabelSize, 0, kLabelPen,
                     format_text("(%1.1lf,%1.0lf) は図の範囲外", zone.t1,
                                 pile.modulus[zone.section]));
                note_y += kBeyondNotePitch;
                continue;
            }
            line({zone.t1, static_cast<double>(line_.z.minimum)}, {zone.t1, z}, kLinePen);
            line({static_cast<double>(line_.t1.minimum), z}, {zone.t1, z}, kLinePen);
            const DrawPoint at = page(zone.t1, z);
            text(at.x, at.y, kLabelSize, 0, kLabelPen,
                 format_text("(%1.1lf,%1.0lf)", zone.t1, pile.modulus[zone.section]));
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
