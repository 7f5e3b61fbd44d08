#include "reaction_charts.h"

#include "chart_labels.h"
#include "drawing_file.h"
#include "drawing_primitives.h"
#include "format_values.h"

#include <cmath>
#include <vector>

namespace wtn {

namespace {

// The chart's window on the page (page units, Y growing downward).
constexpr double kLeft = 500.0;
constexpr double kRight = 3000.0;
constexpr double kBottom = 2700.0;
constexpr double kTop = 200.0;
constexpr int kChartColumns = 46;
constexpr int kChartLines = 29;
constexpr int kLabelSize = 60;
constexpr int kCaptionSize = 70;
constexpr int kLabelPen = 2;
constexpr int kFramePen = 3;
constexpr int kGridPen = 2;
// A grid line this close to an end of its range is a border of the chart.
constexpr double kBorderTolerance = 0.0001;
// The values of a log grid are products of a digit and a power of ten; this
// relative slack keeps 0.1 x 3 from falling outside a range that starts at 0.3.
constexpr double kGridSlack = 1.0e-9;

struct ReferenceLine {
    DrawPoint from;
    DrawPoint to;
    int type = 0;
};

struct LogChart {
    double x_min, x_max, y_min, y_max;
    std::vector<double> x_labels;
    std::vector<double> y_labels;
    double x_caption_shift;    // from the middle of the chart
    bool bar_over_x_caption;   // N with a bar: the average N value
    const char* y_caption;     // written up the page
    double y_caption_x;        // its anchor
    bool y_label_counts_cells; // the label's escape takes no cells (k_h chart)
    std::vector<ReferenceLine> references;
};

const LogChart kKhChart = {
    0.3,
    50.0,
    1000.0,
    200000.0,
    {1.0, 10.0, 50.0},
    {1000.0, 10000.0, 100000.0},
    70.0,
    false,
    "ｋ\\Dh(kN/m\\U3)",
    kLeft - 200.0,
    true,
    {{{0.5, 1000.0}, {50.0, 100000.0}, 0},
     {{0.5, 2000.0}, {50.0, 200000.0}, 2},
     {{1.0, 1000.0}, {50.0, 50000.0}, 2}},
};

const LogChart kKsChart = {
    0.3,
    100.0,
    100.0,
    30000.0,
    {1.0, 10.0, 100.0},
    {100.0, 1000.0, 10000.0},
    -70.0,
    true,
    "ｋ\\Ds(kN/m\\U3\\U.\\U5)",
    kLeft - 210.0,
    false,
    {{{0.5, 550.0}, {100.0, 13000.0}, 0},
     {{0.5, 900.0}, {100.0, 23000.0}, 0},
     {{0.5, 300.0}, {100.0, 7700.0}, 0}},
};

const LogChart kKcChart = {
    0.5,
    100.0,
    100.0,
    20000.0,
    {1.0, 10.0, 100.0},
    {100.0, 1000.0, 10000.0},
    -70.0,
    false,
    "ｋ\\Dc(kN/m\\U2\\U.\\U5)",
    kLeft - 175.0,
    false,
    {{{1.0, 520.0}, {100.0, 8400.0}, 0}},
};

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    std::string label;
};

// Every digit times a power of ten from minimum to maximum, ends included.
std::vector<double> log_grid(double minimum, double maximum) {
    std::vector<double> values;
    for (double decade = std::pow(10.0, std::floor(std::log10(minimum)));
         decade <= maximum * (1.0 + kGridSlack); decade *= 10.0) {
        for (int digit = 1; digit <= 9; ++digit) {
            const double v = digit * decade;
            if (v >= minimum * (1.0 - kGridSlack) && v <= maximum * (1.0 + kGridSlack))
                values.push_back(v);
        }
    }
    return values;
}

bool near(double a, double b) {
    return std::fabs(a - b) < kBorderTolerance;
}

bool is_label(const std::vector<double>& labels, double v) {
    for (double label : labels)
        if (near(label, v)) return true;
    return false;
}

bool within(double v, double minimum, double maximum) {
    return v >= minimum && v <= maximum;
}

class ChartWriter {
  public:
    ChartWriter(const LogChart& chart, const std::string& name)
        : chart_(chart), file_(name, "横抵抗定数表", kChartColumns, kChartLines) {
        transform_.centre = {std::log10(chart.x_min), std::log10(chart.y_min)};
        transform_.scale_x = (kRight - kLeft) / (std::log10(chart.x_max) - std::log10(chart.x_min));
        transform_.scale_y = (kTop - kBottom) / (std::log10(chart.y_max) - std::log10(chart.y_min));
        transform_.target = {kLeft, kBottom};
    }

    void draw(const std::vector<ChartPoint>& points) {
        const std::vector<ChartPoint> shown = points_within(points);
        const std::vector<PointLabelPlace> places = place_labels(shown);
        std::vector<ChartLabel> labels;
        for (const PointLabelPlace& place : places)
            labels.push_back(place.label);
        vertical_grid(labels);
        horizontal_grid(labels);
        captions();
        for (const ReferenceLine& r : chart_.references)
            line(r.from, r.to, r.type, kFramePen);
        for (std::size_t i = 0; i < shown.size(); ++i)
            point(shown[i], places[i]);
        file_.close();
    }

  private:
    // The page point of a chart point, truncated as the file writes it.
    DrawPoint page(double x, double y) const {
        const DrawPoint p = transform_point({std::log10(x), std::log10(y)}, transform_);
        return {std::trunc(p.x), std::trunc(p.y)};
    }

    void line(DrawPoint from, DrawPoint to, int type, int pen) {
        const DrawPoint a = page(from.x, from.y);
        const DrawPoint b = page(to.x, to.y);
        file_.line(a.x, a.y, b.x, b.y, type, pen);
    }

    void text(double x, double y, int size, int angle, const std::string& text) {
        file_.text(x, y, size, size, angle, AngleField::plain, kLabelPen, text);
    }

    int border_pen(double v, double minimum, double maximum) const {
        return near(v, minimum) || near(v, maximum) ? kFramePen : kGridPen;
    }

    // A grid line inside the frame gives way to the point labels; the
    // frame's own lines are never broken.
    void grid_line(DrawPoint from, DrawPoint to, int pen, const std::vector<ChartLabel>& labels) {
        if (pen == kFramePen) {
            line(from, to, 0, pen);
            return;
        }
        write_grid_line(file_, {page(from.x, from.y), page(to.x, to.y)}, labels, pen);
    }

    void vertical_grid(const std::vector<ChartLabel>& labels) {
        for (double x : log_grid(chart_.x_min, chart_.x_max)) {
            grid_line({x, chart_.y_min}, {x, chart_.y_max},
                      border_pen(x, chart_.x_min, chart_.x_max), labels);
            if (!is_label(chart_.x_labels, x)) continue;
            const std::string label = format_text("%1.0lf", x);
            const DrawPoint p = page(x, chart_.y_min);
            text(p.x - 15.0 * static_cast<double>(label.size()), p.y + 75.0, kLabelSize, 0, label);
        }
    }

    void horizontal_grid(const std::vector<ChartLabel>& labels) {
        for (double y : log_grid(chart_.y_min, chart_.y_max)) {
            grid_line({chart_.x_min, y}, {chart_.x_max, y},
                      border_pen(y, chart_.y_min, chart_.y_max), labels);
            if (!is_label(chart_.y_labels, y)) continue;
            const std::string label = format_text("10\\U%1.0lf", std::log10(y));
            // The escape of the raised exponent takes no room on the sheet.
            const double cells =
                static_cast<double>(label.size()) - (chart_.y_label_counts_cells ? 2.0 : 0.0);
            const DrawPoint p = page(chart_.x_min, y);
            text(p.x - 30.0 * cells - 15.0, p.y + 30.0, kLabelSize, 0, label);
        }
    }

    void captions() {
        const double middle = (kLeft + kRight) / 2.0;
        if (chart_.bar_over_x_caption) file_.line(1680, 2786, 1750, 2786, 0, 1);
        text(middle + chart_.x_caption_shift, kBottom + 170.0, kCaptionSize, 0, "Ｎ  値");
        text(chart_.y_caption_x, (kTop + kBottom) / 2.0 - 70.0, kCaptionSize, 90, chart_.y_caption);
    }

    // A point outside the frame would be drawn across the axis labels.
    std::vector<ChartPoint> points_within(const std::vector<ChartPoint>& points) const {
        std::vector<ChartPoint> shown;
        for (const ChartPoint& p : points)
            if (within(p.x, chart_.x_min, chart_.x_max) && within(p.y, chart_.y_min, chart_.y_max))
                shown.push_back(p);
        return shown;
    }

    // The labels clear of the frame, the reference lines, every point's
    // guide lines and each other.
    std::vector<PointLabelPlace> place_labels(const std::vector<ChartPoint>& points) const {
        ChartMarks marks;
        marks.frame = {kLeft, kRight, kTop, kBottom};
        marks.lines = {{{kLeft, kBottom}, {kRight, kBottom}},
                       {{kRight, kBottom}, {kRight, kTop}},
                       {{kRight, kTop}, {kLeft, kTop}},
                       {{kLeft, kTop}, {kLeft, kBottom}}};
        for (const ReferenceLine& r : chart_.references)
            marks.lines.push_back({page(r.from.x, r.from.y), page(r.to.x, r.to.y)});
        for (const ChartPoint& p : points) {
            const DrawPoint at = page(p.x, p.y);
            marks.lines.push_back({page(p.x, chart_.y_min), at});
            marks.lines.push_back({page(chart_.x_min, p.y), at});
        }
        std::vector<DrawPoint> at;
        std::vector<std::string> texts;
        for (const ChartPoint& p : points) {
            at.push_back(page(p.x, p.y));
            texts.push_back(p.label);
        }
        return place_point_labels(at, kLabelSize, texts, marks);
    }

    void point(const ChartPoint& p, const PointLabelPlace& place) {
        line({p.x, chart_.y_min}, {p.x, p.y}, 0, kFramePen);
        line({chart_.x_min, p.y}, {p.x, p.y}, 0, kFramePen);
        write_point_label(file_, place, kLabelPen, p.label);
    }

    const LogChart& chart_;
    DrawingFile file_;
    PointTransform transform_;
};

// The layer rows below the virtual seabed whose constant comes from an N
// value; the last row only closes the last layer.
std::vector<ChartPoint> layer_points(const ForceCase& fc) {
    std::vector<ChartPoint> points;
    for (int i = fc.start_index; i >= 0 && i < fc.layer_count - 1; ++i) {
        const ForceLayerRow& row = fc.layers[static_cast<std::size_t>(i)];
        if (row.resistance_option == to_file_value(LayerKhOption::Given)) continue;
        const bool from_cohesion = row.friction_angle < 0.0001 && row.n_from_cohesion == 1;
        points.push_back({row.n_value, row.kh,
                          format_text(from_cohesion ? "(%1.3lf,%1.1lf)" : "(%1.1lf,%1.1lf)",
                                      row.n_value, row.kh)});
    }
    return points;
}

// The single N value of the port-research-institute methods, when the
// constant was derived from one.
std::vector<ChartPoint> single_point(const DesignValueBlock& v, double x, const char* format) {
    if (v.n_value_flag != 1) return {};
    return {{x, v.lateral_constant, format_text(format, x, v.lateral_constant)}};
}

} // namespace

std::string reaction_chart_name(int study_mode, int chapter_digit) {
    return format_text(study_mode == kCompletedStateMode ? "KHKSD%d.PZK" : "KHKSW%d.PZK",
                       chapter_digit);
}

void draw_kh_chart(const StabilityReport& report, const std::string& name) {
    ChartWriter(kKhChart, name).draw(layer_points(report.force_case));
}

void draw_kc_chart(const StabilityReport& report, const std::string& name) {
    const DesignValueBlock& v = report.results.design_values;
    ChartWriter(kKcChart, name)
        .draw(report.method() == EmbedmentMethod::CTypeMultiLayer
                  ? layer_points(report.force_case)
                  : single_point(v, v.n_value, "(%1.1lf,%1.1lf)"));
}

void draw_ks_chart(const StabilityReport& report, const std::string& name) {
    const DesignValueBlock& v = report.results.design_values;
    ChartWriter(kKsChart, name).draw(single_point(v, v.n_value_increase, "(%1.2lf,%1.1lf)"));
}

void draw_reaction_chart(const StabilityReport& report, const std::string& name) {
    switch (report.method()) {
    case EmbedmentMethod::Chang:
    case EmbedmentMethod::ChangMultiLayer:
        draw_kh_chart(report, name);
        return;
    case EmbedmentMethod::CType:
    case EmbedmentMethod::CTypeMultiLayer:
        draw_kc_chart(report, name);
        return;
    case EmbedmentMethod::SType:
        draw_ks_chart(report, name);
        return;
    }
}

} // namespace wtn
