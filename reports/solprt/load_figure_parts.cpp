#include "load_figure_parts.h"

#include "figure_drawing.h"
#include "figure_labels.h"
#include "figure_placement.h"
#include "format_values.h"
#include "page_values.h"
#include "report_switches.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

constexpr int kCaptionSize = 100;
constexpr int kForcePen = 0;           // force and level texts of this figure
constexpr double kCurveStep = 0.01;    // m between points of the hydrodynamic curve
constexpr double kCurveEnd = 0.001;    // the curve stops this short of the seabed
constexpr double kLabelInset = 100.0;  // net labels end this far inside the frame
constexpr double kWestergaard = 0.875; // p = 7/8 k gamma_w sqrt(H y)
// How far an area's number may move to stay clear of the area's sides in a
// thin area: up or down, in text lines, and toward the diagram's open side,
// in half-width cells.
constexpr double kNumberUpDownLines = 1.5;
constexpr double kNumberAsideCells = 4.0;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Rows of a diagram down to the row that reaches the virtual seabed.
template <class Visit> void rows_down_to(const DiagramTable& rows, double vs, Visit visit) {
    for (int i = 0; i + 1 < rows.count; ++i) {
        visit(i);
        if (vs >= rows[i + 1].level) break;
    }
}

double virtual_seabed(const EarthPressureReport& report, int c) {
    return report.common.seabed.data.level[at(c)];
}

void outline_line(DrawingFile& file, const FigureKit& kit, double x1, double y1, double x2,
                  double y2) {
    sheet_line(file, kit, x1, y1, x2, y2, 1, 2);
}

// The caption centred under a diagram, on the diagram's side of the wall:
// a diagram narrower than its caption would put the active and passive
// captions over each other at the wall, so each keeps half a character from
// the wall on its own side.
void caption_under(DrawingFile& file, const FigureKit& kit, double wall_x, const FigureLine& last,
                   const char* caption, LabelSide side) {
    const double bytes = static_cast<double>(std::string_view(caption).size());
    const double width = bytes * kCaptionSize * 0.5;
    const double gap = 0.5 * kCaptionSize;
    double x = (wall_x + last.x2) * 0.5 - width * 0.5;
    if (side == LabelSide::right) x = std::max(x, wall_x + gap);
    if (side == LabelSide::left) x = std::min(x, wall_x - gap - width);
    sheet_caption(file, kit, x, last.y2 + 1.5 * kCaptionSize, kCaptionSize, caption, 2);
}

PagePoint diagram_page_point(const FigureKit& kit, double value, double level) {
    PointTransform t;
    t.centre = {kit.model_origin_x, -kit.model_origin_y};
    t.scale_x = kit.value_scale;
    t.scale_y = kit.page_scale;
    t.target = {kit.page_centre_x, kit.page_centre_y};
    return transform_point({value, -level}, t);
}

// A hydrodynamic label and its mark under the value.
void hydrodynamic_label(DrawingFile& file, FigureKit& kit, double p, double level) {
    const PagePoint at_point = diagram_page_point(kit, -p, level);
    const double x = std::trunc(at_point.x);
    const double y = std::trunc(at_point.y);
    const std::string t = format_text(" 動水圧=%8.3lfkN/m\\U2 ", p);
    const int n = label_cells(t);
    const int ax = file.page_unit(x);
    const int ay = file.page_unit(y);
    place_value_label(file, kit, t, t, ax, ay, ax, ay, n, LabelSide::left);
    const double w = kit.text_width;
    const double hx = std::trunc(x - 1.5 * w - n * w * 0.5 + 0.5 * w);
    const double hy = std::trunc(y - 1.5 * w);
    file.line(hx, hy, hx + 3 * w, hy, 0, 2);
    file.line(hx, hy, hx + 25, hy - 15, 0, 2);
}

} // namespace

void draw_active_water_diagram(DrawingFile& file, const EarthPressureReport& report, int c) {
    const FigureKit& kit = report.kit;
    const LoadFigure& f = report.figures.load;
    const DiagramTable& rows = report.tables.net.active_split;
    const DiagramTable& net = report.tables.net.net;
    int last = -1;
    rows_down_to(rows, virtual_seabed(report, c), [&](int i) {
        const FigureLine& l = f.active[at(i)];
        const double top = rows[i].top;
        const double bottom = rows[i].bottom;
        // Only what stands out beyond the net diagram is drawn.
        if (top != net[i].top && top > 0.0) outline_line(file, kit, f.wall.x1, l.y1, l.x1, l.y1);
        if (bottom != net[i].bottom && bottom > 0.0)
            outline_line(file, kit, f.wall.x1, l.y2, l.x2, l.y2);
        if (top > net[i].top || bottom > net[i].bottom)
            outline_line(file, kit, l.x1, l.y1, l.x2, l.y2);
        last = i;
    });
    if (last >= 0)
        caption_under(file, kit, f.wall.x1, f.active[at(last)], "（主働土圧＋残留水圧図）",
                      LabelSide::right);
}

void draw_load_passive_diagram(DrawingFile& file, const EarthPressureReport& report, int c) {
    const double vs = virtual_seabed(report, c);
    if (std::fabs(vs - report.input.joken.design_seabed) < kReportLevelTolerance) return;
    const FigureKit& kit = report.kit;
    const LoadFigure& f = report.figures.load;
    const DiagramTable& rows = report.tables.net.passive_split;
    int last = -1;
    rows_down_to(rows, vs, [&](int i) {
        const FigureLine& l = f.passive[at(i)];
        if (rows[i].top > 0.0) outline_line(file, kit, f.wall.x1, l.y1, l.x1, l.y1);
        if (rows[i].bottom > 0.0) outline_line(file, kit, f.wall.x1, l.y2, l.x2, l.y2);
        outline_line(file, kit, l.x1, l.y1, l.x2, l.y2);
        last = i;
    });
    if (last >= 0)
        caption_under(file, kit, f.wall.x1, f.passive[at(last)], "（受働土圧図）", LabelSide::left);
}

void draw_net_diagram(DrawingFile& file, const EarthPressureReport& report, int c) {
    const FigureKit& kit = report.kit;
    const LoadFigure& f = report.figures.load;
    const DiagramTable& net = report.tables.net.net;
    rows_down_to(net, virtual_seabed(report, c), [&](int i) {
        const FigureLine& l = f.net[at(i)];
        const double top = net[i].top;
        const double bottom = net[i].bottom;
        if (top != 0.0) sheet_line(file, kit, f.wall.x1, l.y1, l.x1, l.y1);
        if (bottom != 0.0) sheet_line(file, kit, f.wall.x1, l.y2, l.x2, l.y2);
        if (top != 0.0 || bottom != 0.0) sheet_line(file, kit, l.x1, l.y1, l.x2, l.y2);
        // The diagonal splits a trapezoid into the force calculation's
        // two triangles.
        if (top != bottom && bottom != 0.0) outline_line(file, kit, l.x1, l.y1, f.wall.x1, l.y2);
    });
}

void draw_load_force_numbers(DrawingFile& file, const EarthPressureReport& report, int c) {
    const FigureKit& kit = report.kit;
    const int pieces = report.common.net_segment_count[at(c)];
    for (int k = 0; k < pieces && k < kNetSegmentRoom; ++k) {
        const FigurePoint p = report.figures.load.forces[at(k)];
        const std::string number = format_text("%d", k + 1);
        double x = p.x - 0.25 * kit.text_width;
        double y = p.y + 0.5 * kit.text_width;
        // A thin area's sides would strike its number: it moves the least
        // that clears it, up or down first, then away from the wall.
        if (kit.ink != nullptr) {
            LabelMoves moves;
            moves.along = {0.0, 1.0};
            moves.along_reach = kNumberUpDownLines * kit.text_height;
            moves.free_side = {1.0, 0.0};
            moves.free_reach = label_width(kit, 1) * kNumberAsideCells;
            moves.step = 0.25 * kit.text_height;
            const LabelShift shift =
                clear_label_shift(*kit.ink, text_box(kit, x, y, number), moves);
            x += shift.dx;
            y += shift.dy;
        }
        sheet_text(file, kit, x, y, number);
    }
}

void draw_net_labels(DrawingFile& file, EarthPressureReport& report, int c) {
    FigureKit& kit = report.kit;
    const LoadFigure& f = report.figures.load;
    const DiagramTable& net = report.tables.net.net;
    kit.last_label_box = {};
    if (net.count < 2) return;
    auto text_of = [](double v) { return format_text(" %8.3lfkN/m\\U2 ", v); };
    auto place = [&](const std::string& t1, const std::string& t2, FigurePoint anchor) {
        const int n = label_cells(t1);
        const double x = std::trunc(kit.frame.x2 - kLabelInset - n * kit.text_width * 0.5);
        place_value_label(file, kit, t1, t2, anchor.x, anchor.y, file.page_unit(x), anchor.y, n,
                          LabelSide::right);
    };
    double previous = net[0].top;
    FigurePoint point{f.active[0].x1, f.active[0].y1};
    const double vs = virtual_seabed(report, c);
    int last = -1;
    rows_down_to(net, vs, [&](int r) {
        const FigurePoint corner{f.active[at(r)].x1, f.active[at(r)].y1};
        const FigurePoint anchor = previous < net[r].top ? corner : point;
        if (previous > 0.0 || net[r].top > 0.0)
            place(text_of(previous), text_of(net[r].top), anchor);
        last = r;
        if (vs >= net[r + 1].level) return;
        previous = net[r].bottom;
        point = {f.active[at(r)].x2, f.active[at(r)].y2};
    });
    const VirtualSeabedData& data = report.common.seabed.data;
    if (last >= 0 && data.boundary_above[at(c)] == data.boundary_below[at(c)]) {
        const std::string t = text_of(net[last].bottom);
        place(t, t, {f.active[at(last)].x2, f.active[at(last)].y2});
    }
}

void draw_hydrodynamic_pressure(DrawingFile& file, EarthPressureReport& report, int c) {
    if (!hydrodynamic_condition(report.input, c)) return;
    const InputRecord& input = report.input;
    const DynamicWaterData& dw = report.common.dynamic;
    FigureKit& kit = report.kit;
    const double lwl = input.joken.lwl;
    const double h = lwl - input.joken.design_seabed;
    const double k = kWestergaard * input.neire.seismic_coefficient * input.joken.water_weight;
    const bool has_start = dw.above_crown != 0;
    const double y0 = has_start ? lwl - dw.start_level : 0.0;
    auto point = [&](double depth) {
        return diagram_page_point(kit, -k * std::sqrt(h * depth), lwl - depth);
    };
    // The curve is drawn in page coordinates; this upright figure's sheet
    // stage changes nothing.
    for (double y = y0; y < h - kCurveEnd; y += kCurveStep) {
        const PagePoint a = point(y);
        const PagePoint b = point(y + kCurveStep);
        file.line(a.x, a.y, b.x, b.y, 0, 2);
    }
    if (has_start) {
        const double p0 = k * std::sqrt(h * y0);
        const PagePoint a = diagram_page_point(kit, -p0, dw.start_level);
        const PagePoint b = diagram_page_point(kit, 0.0, dw.start_level);
        file.line(a.x, a.y, b.x, b.y, 0, 2);
        hydrodynamic_label(file, kit, p0, dw.start_level);
    }
    const double p = dw.seabed_pressure;
    const PagePoint a = diagram_page_point(kit, -p, input.joken.design_seabed);
    const PagePoint b = diagram_page_point(kit, 0.0, input.joken.design_seabed);
    file.line(a.x, a.y, b.x, b.y, 0, 2);
    hydrodynamic_label(file, kit, p, input.joken.design_seabed);
}

void draw_load_level_labels(DrawingFile& file, EarthPressureReport& report, int c) {
    FigureKit& kit = report.kit;
    const LoadFigure& f = report.figures.load;
    kit.last_label_box = {};
    auto label = [&](double level, int x, int y) {
        const std::string t = format_text(" %+7.3lf ", level);
        place_value_label(file, kit, t, t, x, y, x, y, label_cells(t), LabelSide::right);
    };
    const DiagramTable& rows = report.tables.net.active_split;
    rows_down_to(rows, virtual_seabed(report, c),
                 [&](int p) { label(rows[p].level, f.wall.x1, f.active[at(p)].y1); });
    label(virtual_seabed(report, c), f.wall.x2, f.wall.y2);
}

void draw_model_figure(DrawingFile& file, const EarthPressureReport& report, int c) {
    const FigureKit& kit = report.kit;
    const double h = kit.text_height;
    const double vs = virtual_seabed(report, c);
    const double force = report.common.totals.force[at(c)];
    const double height = report.common.totals.lever_arm[at(c)];
    auto text = [&](double x, double y, const std::string& t, int pen) {
        sheet_text(file, kit, x, y, t, pen);
    };
    sheet_line(file, kit, 2000, 5400, 3500, 5400);
    sheet_line(file, kit, 2500, 4100, 2500, 5400);
    sheet_arrow(file, kit, 3000, 5400, 3000, 4500, 2);
    sheet_arrow(file, kit, 3100, 4500, 2500, 4500, 1);
    text(2500, 4500 - 0.25 * h, format_text("  P=%8.3lfkN/m", force), kForcePen);
    text(3000, 5000, format_text("  h=%7.3lfm", height), 2);
    sheet_line(file, kit, 2000, 4100, 2450, 4100);
    text(2000, 4100 - 0.25 * h,
         format_text("    %+7.3lfm", report.input.tjkn1.superstructure_crown), kForcePen);
    sheet_line(file, kit, 2000, 4500, 2450, 4500);
    text(2000, 4500 - 0.25 * h, format_text("    %+7.3lfm", vs + height), kForcePen);
    text(2000, 5400 - 0.25 * h, format_text("    %+7.3lfm", vs), kForcePen);
    sheet_caption(file, kit, 2450, 5600, kCaptionSize, "（モデル図）", kForcePen);
}

void draw_load_parts(int c, DrawingFile& file, EarthPressureReport& report) {
    draw_model_line(file, report.kit, report.figures.load.wall);
    draw_active_water_diagram(file, report, c);
    draw_load_passive_diagram(file, report, c);
    draw_net_diagram(file, report, c);
    draw_load_force_numbers(file, report, c);
    draw_net_labels(file, report, c);
    draw_hydrodynamic_pressure(file, report, c);
    draw_load_level_labels(file, report, c);
    draw_model_figure(file, report, c);
}

} // namespace wtn
