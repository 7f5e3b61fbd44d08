#include "pressure_figure_parts.h"

#include "figure_drawing.h"
#include "figure_labels.h"
#include "format_values.h"

#include <algorithm>

namespace wtn {

namespace {

constexpr int kCaptionSize = 100;
constexpr double kLevelColumnInset = 460.0; // page units inside the frame's y1

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// One diagram side: top and bottom lines where the pressure is positive, the
// outline always, then the caption under it.
void side_diagram(DrawingFile& file, const FigureKit& kit, const FigureLine& wall,
                  const std::array<FigureLine, kLayerRoom>& corners, int first, int last,
                  const double* top, const double* bottom, const char* caption) {
    for (int a = first; a <= last; ++a) {
        const FigureLine& c = corners[at(a)];
        if (top[a] > 0.0) sheet_line(file, kit, wall.x1, c.y1, c.x1, c.y1);
        if (bottom[a] > 0.0) sheet_line(file, kit, wall.x1, c.y2, c.x2, c.y2);
        sheet_line(file, kit, c.x1, c.y1, c.x2, c.y2);
    }
    if (last < 0) return;
    const FigureLine& end = corners[at(last)];
    sheet_caption(file, kit, (wall.x1 + end.x2) * 0.5 - 3.5 * kCaptionSize,
                  end.y2 + 1.5 * kCaptionSize, kCaptionSize, caption, 2);
}

// Values at every layer boundary: one line where the pressure goes on, two
// where it jumps (the label at the corner further out), and the last bottom.
void side_labels(DrawingFile& file, FigureKit& kit, const std::array<FigureLine, kLayerRoom>& c,
                 int first, int last, const double* top, const double* bottom, bool passive,
                 LabelSide side) {
    kit.last_label_box = {};
    if (first > last) return;
    auto text_of = [passive](double v) {
        return passive ? format_text(" pp=%8.3lfkN/m\\U2 ", v)
                       : format_text(" pa=%8.3lfkN/m\\U2 ", v);
    };
    double previous = top[first];
    FigurePoint point{c[at(first)].x1, c[at(first)].y1};
    for (int a = first; a <= last; ++a) {
        const FigurePoint corner{c[at(a)].x1, c[at(a)].y1};
        const FigurePoint anchor = previous < top[a] ? corner : point;
        const std::string t1 = text_of(previous);
        const std::string t2 = text_of(top[a]);
        place_value_label(file, kit, t1, t2, anchor.x, anchor.y, anchor.x, anchor.y,
                          label_cells(t1), side);
        previous = bottom[a];
        point = {c[at(a)].x2, c[at(a)].y2};
    }
    const std::string t = text_of(previous);
    place_value_label(file, kit, t, t, point.x, point.y, point.x, point.y, label_cells(t), side);
}

struct SideValues {
    std::array<double, kLayerRoom> top{};
    std::array<double, kLayerRoom> bottom{};
};

SideValues active_values(const LoadModel& m) {
    SideValues v;
    for (int i = 0; i < kLayerRoom; ++i) {
        v.top[at(i)] = m.active[at(i)].active_top;
        v.bottom[at(i)] = m.active[at(i)].active_bottom;
    }
    return v;
}

SideValues passive_values(const LoadModel& m) {
    SideValues v;
    for (int i = 0; i < kLayerRoom; ++i) {
        v.top[at(i)] = m.passive[at(i)].passive_top;
        v.bottom[at(i)] = m.passive[at(i)].passive_bottom;
    }
    return v;
}

int water_row(const LoadModel& m) {
    return std::max(m.index.residual_water, m.index.superstructure_crown);
}

bool crown_above_lwl(const InputRecord& input) {
    return input.tjkn1.superstructure_crown > input.joken.lwl;
}

} // namespace

void draw_active_diagram(DrawingFile& file, const EarthPressureReport& report) {
    const LoadModel& m = report.model;
    const SideValues v = active_values(m);
    side_diagram(file, report.kit, report.figures.pressure.wall, report.figures.pressure.active,
                 m.index.ground_crown, m.land_count - 2, v.top.data(), v.bottom.data(),
                 "（主働土圧図）");
}

void draw_passive_diagram(DrawingFile& file, const EarthPressureReport& report) {
    const LoadModel& m = report.model;
    const SideValues v = passive_values(m);
    side_diagram(file, report.kit, report.figures.pressure.wall, report.figures.pressure.passive,
                 m.index.sea_seabed, m.sea_count - 2, v.top.data(), v.bottom.data(),
                 "（受働土圧図）");
}

void draw_active_labels(DrawingFile& file, EarthPressureReport& report) {
    const LoadModel& m = report.model;
    const SideValues v = active_values(m);
    side_labels(file, report.kit, report.figures.pressure.active, m.index.ground_crown,
                m.land_count - 2, v.top.data(), v.bottom.data(), false, LabelSide::right);
}

void draw_passive_labels(DrawingFile& file, EarthPressureReport& report) {
    const LoadModel& m = report.model;
    const SideValues v = passive_values(m);
    side_labels(file, report.kit, report.figures.pressure.passive, m.index.sea_seabed,
                m.sea_count - 2, v.top.data(), v.bottom.data(), true, LabelSide::left);
}

void draw_water_diagram(DrawingFile& file, const EarthPressureReport& report) {
    const FigureKit& kit = report.kit;
    const PressureFigure& f = report.figures.pressure;
    const LoadModel& m = report.model;
    auto line = [&](FigurePoint a, FigurePoint b) { sheet_line(file, kit, a.x, a.y, b.x, b.y); };
    if (m.active[at(water_row(m))].residual_top > 0.0) line(f.water_top_axis, f.water_top);
    FigurePoint knee = f.water_top;
    if (crown_above_lwl(report.input)) {
        line(f.water_lwl_axis, f.water_lwl);
        line(f.water_top, f.water_lwl);
        knee = f.water_lwl;
    }
    line(f.water_bottom_axis, f.water_bottom);
    line(knee, f.water_bottom);
    line(f.water_top_axis, f.water_bottom_axis);
    sheet_caption(file, kit, (f.water_bottom_axis.x + f.water_bottom.x) * 0.5 - 350.0,
                  f.water_bottom.y + 150.0, kCaptionSize, "（残留水圧図）", 2);
}

void draw_water_labels(DrawingFile& file, EarthPressureReport& report) {
    FigureKit& kit = report.kit;
    const PressureFigure& f = report.figures.pressure;
    const LoadModel& m = report.model;
    kit.last_label_box = {};
    auto label = [&](double value, FigurePoint p) {
        const std::string t = format_text(" pw=%6.3lfkN/m\\U2 ", value);
        place_value_label(file, kit, t, t, p.x, p.y, p.x, p.y, label_cells(t), LabelSide::right);
    };
    label(m.active[at(water_row(m))].residual_top, f.water_top);
    if (crown_above_lwl(report.input)) label(report.common.totals.residual_water, f.water_lwl);
    label(m.active[at(m.land_count - 2)].residual_bottom, f.water_bottom);
}

void draw_pressure_level_labels(DrawingFile& file, EarthPressureReport& report) {
    FigureKit& kit = report.kit;
    kit.last_label_box = {};
    const PressureRowTable& rows = report.tables.merged.rows;
    const int x = kit.frame.y1 - static_cast<int>(kLevelColumnInset);
    for (int i = 0; i < rows.count; ++i) {
        const std::string t = format_text(" %+7.3lf ", rows[i].level);
        const int y = report.figures.pressure.levels[at(i)].y;
        place_value_label(file, kit, t, t, x, y, x, y, label_cells(t), LabelSide::right);
    }
}

void draw_pressure_parts(int, DrawingFile& file, EarthPressureReport& report) {
    draw_model_line(file, report.kit, report.figures.pressure.wall);
    draw_active_diagram(file, report);
    draw_passive_diagram(file, report);
    draw_active_labels(file, report);
    draw_passive_labels(file, report);
    if (report.common.totals.residual_water > 0.0) {
        draw_water_diagram(file, report);
        draw_water_labels(file, report);
    }
    draw_pressure_level_labels(file, report);
}

} // namespace wtn
