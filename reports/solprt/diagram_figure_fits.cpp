#include "diagram_figure_fits.h"

#include "error_messages.h"
#include "model_extent.h"
#include "page_values.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

// The earth-pressure diagram's middle stands this far right of the window's
// left edge plus half its width; the residual-water diagram this far right of
// the earth-pressure diagram (page units).
constexpr double kDiagramIndent = 630.0;
constexpr double kWaterDiagramGap = 660.0;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

FigureLine diagram_line(const DiagramMapping& m, double top_value, double top_level,
                        double bottom_value, double bottom_level, const std::string& drawing) {
    const FigurePoint a = map_diagram_point(m, top_value, top_level, drawing);
    const FigurePoint b = map_diagram_point(m, bottom_value, bottom_level, drawing);
    return {a.x, b.x, a.y, b.y};
}

double bottom_of(const LandLayerCalc& row) {
    return row.top - row.thickness;
}

// The row loops of the external-force figure end with the row that reaches
// down to the virtual seabed, else with the last row but one.
template <class Visit> void rows_down_to(const DiagramTable& rows, double vs, Visit visit) {
    for (int i = 0; i + 1 < rows.count; ++i) {
        visit(i);
        if (vs >= rows[i + 1].level) break;
    }
}

} // namespace

void fit_pressure_scale(EarthPressureReport& report) {
    const LoadModel& model = report.model;
    FigureKit& kit = report.kit;
    const double rw = report.common.totals.residual_water;
    ModelExtent total; // x: the whole diagram
    ModelExtent earth; // x: earth pressures only
    for (int i = 0; i <= model.sea_count - 2; ++i) {
        for (double p : {model.passive[at(i)].passive_top, model.passive[at(i)].passive_bottom}) {
            total.take_x(-p);
            earth.take_x(-p);
        }
    }
    for (int i = 0; i <= model.land_count - 2; ++i) {
        const ActiveIntensityRow& a = model.active[at(i)];
        total.take_x(a.active_top + a.residual_top);
        total.take_x(a.active_bottom + a.residual_bottom);
        earth.take_x(a.active_top);
        earth.take_x(a.active_bottom);
    }
    const double crown = report.input.tjkn1.superstructure_crown;
    const double bottom = model.land_calc[at(model.land_count - 1)].top;
    if (total.width() < kSmallestExtent) stop_with_error(ErrorCode::ScaleXZero);
    if (std::fabs(crown - bottom) < kSmallestExtent) stop_with_error(ErrorCode::ScaleYZero);

    kit.value_scale = (kit.win_x2 - kit.win_x1) / total.width();
    kit.page_scale = (kit.win_y2 - kit.win_y1) / std::fabs(crown - bottom);
    const double middle_y = (kit.win_y1 + kit.win_y2) / 2.0;
    kit.fit_width = earth.middle_x();
    kit.fit_height = (crown + bottom) / 2.0;
    kit.fit_anchor_x = kit.win_x1 + kDiagramIndent + (total.width() - rw) * kit.value_scale * 0.5;
    kit.fit_anchor_y = middle_y;
    kit.water_origin_x = rw / 2.0;
    kit.water_origin_y = (crown + bottom) / 2.0;
    kit.page_centre_x = kit.win_x1 + kDiagramIndent + (total.width() - rw) * kit.value_scale +
                        kWaterDiagramGap + rw * kit.value_scale * 0.5;
    kit.page_centre_y = middle_y;
}

void map_pressure_figure(EarthPressureReport& report, const std::string& drawing) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const FigureKit& kit = report.kit;
    PressureFigure& f = report.figures.pressure;
    f = PressureFigure{};
    const DiagramMapping earth{kit.fit_width,
                               kit.fit_height,
                               {kit.fit_anchor_x, kit.fit_anchor_y},
                               kit.value_scale,
                               kit.page_scale};
    const DiagramMapping water{kit.water_origin_x,
                               kit.water_origin_y,
                               {kit.page_centre_x, kit.page_centre_y},
                               kit.value_scale,
                               kit.page_scale};
    const double crown = input.tjkn1.superstructure_crown;
    const int last = model.land_count - 1;
    f.wall = diagram_line(earth, 0.0, crown, 0.0, model.land_calc[at(last)].top, drawing);

    for (int i = model.index.ground_crown; i <= model.land_count - 2; ++i) {
        const LandLayerCalc& row = model.land_calc[at(i)];
        const ActiveIntensityRow& a = model.active[at(i)];
        // Where the clay formula turns negative the diagram starts at the
        // zero-pressure level.
        const bool zero_start = row.zero_pressure_flag == 1;
        f.active[at(i)] = diagram_line(earth, zero_start ? 0.0 : a.active_top,
                                       zero_start ? row.zero_pressure_level : row.top,
                                       a.active_bottom, bottom_of(row), drawing);
    }
    for (int i = model.index.sea_seabed; i <= model.sea_count - 2; ++i) {
        const SeaLayerCalc& row = model.sea_calc[at(i)];
        const PassiveIntensityRow& p = model.passive[at(i)];
        f.passive[at(i)] = diagram_line(earth, -p.passive_top, row.top, -p.passive_bottom,
                                        row.top - row.thickness, drawing);
    }

    const double rw = report.common.totals.residual_water;
    const int k = std::max(model.index.residual_water, model.index.superstructure_crown);
    const double top = model.land_calc[at(k)].top;
    f.water_top_axis = map_diagram_point(water, 0.0, top, drawing);
    f.water_top = map_diagram_point(water, model.active[at(k)].residual_top, top, drawing);
    if (input.joken.lwl < crown) {
        f.water_lwl_axis = map_diagram_point(water, 0.0, input.joken.lwl, drawing);
        f.water_lwl = map_diagram_point(water, rw, input.joken.lwl, drawing);
    }
    const int n = model.land_count - 2;
    const double bottom = bottom_of(model.land_calc[at(n)]);
    f.water_bottom_axis = map_diagram_point(water, 0.0, bottom, drawing);
    f.water_bottom = map_diagram_point(water, model.active[at(n)].residual_bottom, bottom, drawing);

    const PressureRowTable& rows = report.tables.merged.rows;
    for (int r = 0; r < rows.count; ++r)
        f.levels[at(r)] = map_diagram_point(earth, 0.0, rows[r].level, drawing);
}

bool fit_load_scale(EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const NetPressure& net = report.tables.net;
    FigureKit& kit = report.kit;
    const double crown = input.tjkn1.superstructure_crown;
    const double vs = report.common.seabed.data.level[at(c)];
    ModelExtent box;
    box.take_y(crown);
    box.take_y(vs);
    rows_down_to(net.active_split, vs, [&](int i) {
        box.take_x(net.active_split[i].top);
        box.take_x(net.active_split[i].bottom);
    });
    if (std::fabs(vs - input.joken.design_seabed) >= kReportLevelTolerance) {
        rows_down_to(net.passive_split, vs, [&](int i) {
            box.take_x(-net.passive_split[i].top);
            box.take_x(-net.passive_split[i].bottom);
        });
        const double pd = report.common.dynamic.seabed_pressure;
        if (c == kSeismicCase && pd > 0.0) box.take_x(-pd);
    } else {
        box.take_x(0.0);
    }
    if (box.width() < kSmallestExtent || box.height() < kSmallestExtent) return false;
    kit.value_scale = (kit.win_x2 - kit.win_x1) / box.width();
    kit.page_scale = (kit.win_y2 - kit.win_y1) / std::fabs(crown - vs);
    kit.model_origin_x = box.middle_x();
    kit.model_origin_y = box.middle_y();
    kit.page_centre_x = (kit.win_x1 + kit.win_x2) / 2.0;
    kit.page_centre_y = (kit.win_y1 + kit.win_y2) / 2.0;
    return true;
}

void map_load_figure(EarthPressureReport& report, int c, const std::string& drawing) {
    const InputRecord& input = report.input;
    const NetPressure& net = report.tables.net;
    const FigureKit& kit = report.kit;
    LoadFigure& f = report.figures.load;
    f = LoadFigure{};
    const DiagramMapping m{kit.model_origin_x,
                           kit.model_origin_y,
                           {kit.page_centre_x, kit.page_centre_y},
                           kit.value_scale,
                           kit.page_scale};
    const double crown = input.tjkn1.superstructure_crown;
    const double vs = report.common.seabed.data.level[at(c)];
    f.wall = diagram_line(m, 0.0, crown, 0.0, vs, drawing);
    const int end_x = kit.frame.x1 + 100;
    for (auto [line, level] :
         {std::pair{&f.seabed, input.joken.design_seabed}, std::pair{&f.lwl, input.joken.lwl}}) {
        const FigurePoint a = map_diagram_point(m, 0.0, level, drawing);
        *line = {a.x, end_x, a.y, a.y};
    }

    auto map_rows = [&](const DiagramTable& rows, double sign,
                        std::array<FigureLine, kDiagramRowRoom>& lines) {
        rows_down_to(rows, vs, [&](int i) {
            lines[at(i)] = diagram_line(m, sign * rows[i].top, rows[i].level, sign * rows[i].bottom,
                                        rows[i + 1].level, drawing);
        });
    };
    map_rows(net.active_split, 1.0, f.active);
    if (vs != input.joken.design_seabed) map_rows(net.passive_split, -1.0, f.passive);
    for (int i = 0; i + 1 < net.net.count; ++i) {
        f.net[at(i)] = diagram_line(m, net.net[i].top, net.net[i].level, net.net[i].bottom,
                                    net.net[i + 1].level, drawing);
        if (net.net[i + 1].level == vs) break;
    }
    // The case image carries the segments without their count; the count is
    // the load results' one, as the force table and the numbers take it.
    const int pieces = std::min(report.common.net_segment_count[at(c)], kNetSegmentRoom);
    for (int k = 0; k < pieces; ++k)
        f.forces[at(k)] = map_diagram_point(m, net.segments[k].centroid_value,
                                            net.segments[k].centroid_level, drawing);
}

} // namespace wtn
