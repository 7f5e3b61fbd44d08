#include "ground_figure_fits.h"

#include "error_messages.h"
#include "model_extent.h"
#include "plane_geometry.h"
#include "report_switches.h"
#include "surcharge_chapter.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

namespace wtn {

namespace {

// Height of the block of the largest surcharge, page units.
constexpr double kLargestBlockHeight = 200.0;
// |max_surcharge| below this: no surcharge to scale.
constexpr double kNoSurcharge = 0.001;
// Room kept under the model in an upright fit, page units.
constexpr double kFitFootroom = 200.0;
// The box middle lands this far below the fit anchor, page units.
constexpr double kFitAnchorDrop = 100.0;

double load_scale_of(double max_surcharge) {
    return std::fabs(max_surcharge) > kNoSurcharge ? kLargestBlockHeight / max_surcharge : 1.0;
}

// Characters of a level printed "%+1.2lf".
int level_text_length(double level) {
    char text[64];
    return std::snprintf(text, sizeof text, "%+1.2lf", level);
}

// The far end of a straight ground surface, ground_reach metres along its
// angle from the wall.
Point2 straight_ground_end(const EarthPressureReport& report) {
    const InputRecord& input = report.input;
    const double a = input.joken.ground_angle * std::numbers::pi / 180.0;
    return {report.kit.ground_reach * std::cos(a),
            report.kit.ground_reach * std::sin(a) + input.joken.ground_crown};
}

// Lines of one side's layers: the first layer whose bottom lies below the
// side's top level gets its line there, each later one at its own top, the
// bottom line at the lowest soil level. Returns the first layer mapped.
int map_side_lines(const EarthPressureReport& report, const SoilLayerRow* rows, int n,
                   double side_top, double end_x, FigureLine* lines, const std::string& drawing) {
    const double lowest = report.input.joken.soil_bottom;
    int first = n;
    for (int i = 0; i < n; ++i) {
        const double bottom = i + 1 < n ? rows[i + 1].top : lowest;
        if (bottom >= side_top) continue;
        const bool first_drawn = first == n;
        if (first_drawn) first = i;
        lines[i] =
            store_level_line(report.kit, first_drawn ? side_top : rows[i].top, end_x, drawing);
    }
    lines[n] = store_level_line(report.kit, lowest, end_x, drawing);
    return first;
}

FigureLine level_mark(const FigureKit& kit, double level, const std::string& drawing) {
    FigureLine mark = store_level_line(kit, level, 0.0, drawing);
    mark.x2 = stored_unit(mark.x1 - (level_text_length(level) + 2) * kit.text_width * 0.5, drawing);
    return mark;
}

// The meeting point of a stored line with a stored segment, when they meet
// inside both.
bool meets(const FigureLine& line, FigurePoint a, FigurePoint b, FigurePoint& at,
           const std::string& drawing) {
    double x = 0.0, y = 0.0;
    if (segment_intersection(line.x1, line.y1, line.x2, line.y2, a.x, a.y, b.x, b.y, x, y) !=
        kCrossingInsideBoth)
        return false;
    at = {stored_unit(x, drawing), stored_unit(y, drawing)};
    return true;
}

} // namespace

bool has_boundary_level(double level) {
    return std::fabs(level - kNoBoundaryLevel) >= kSmallestExtent;
}

void find_max_surcharge(EarthPressureReport& report) {
    const InputRecord& input = report.input;
    double m = -999.99;
    auto take = [&m](double q) {
        if (q > m) m = q;
    };
    if (straight_ground(input)) {
        take(input.joken.surcharge_normal);
        take(input.joken.surcharge_seismic);
    } else {
        for (int j = 0; j < input.surcharge_count; ++j) {
            take(input.surcharges[static_cast<std::size_t>(j)].normal);
            take(input.surcharges[static_cast<std::size_t>(j)].seismic);
        }
    }
    report.kit.max_surcharge = m;
}

void load_condition_profile(EarthPressureReport& report) {
    const LoadModel& model = report.model;
    SurchargeProfile& profile = report.figures.profile;
    for (int i = 0; i < model.ground_count; ++i) {
        const GroundRow& row = model.ground[static_cast<std::size_t>(i)];
        profile.points[static_cast<std::size_t>(i)] = {row.distance, row.level,
                                                       row.surcharge_normal, row.surcharge_seismic};
    }
    // The last row closes the profile and is not drawn; a straight ground
    // surface has no rows at all.
    profile.count = model.ground_count > 0 ? model.ground_count - 1 : 0;
}

void fit_figure_scale(EarthPressureReport& report, const std::string& drawing) {
    const InputRecord& input = report.input;
    FigureKit& kit = report.kit;
    kit.load_scale = load_scale_of(kit.max_surcharge);

    ModelExtent box;
    for (double level : {input.tjkn1.superstructure_crown, input.joken.soil_bottom,
                         input.joken.residual_level, input.joken.hwl, input.joken.lwl})
        box.take_y(level);
    box.take(0.0, input.tjkn1.superstructure_crown);
    if (straight_ground(input)) {
        // Half the window's width at the vertical scale of the box so far.
        const double v =
            box.height() < kSmallestExtent ? 0.0 : (kit.fit_height - kFitFootroom) / box.height();
        kit.ground_reach = v > 0.0 ? (kit.win_x2 - kit.win_x1) * 0.5 / v : 0.0;
        const Point2 end = straight_ground_end(report);
        box.take(end.x, end.z);
    } else {
        for (int i = 0; i < input.ground_point_count; ++i) {
            const GroundPoint& g = input.ground_points[static_cast<std::size_t>(i)];
            box.take(g.distance, g.level);
        }
    }
    if (box.width() < kSmallestExtent) stop_with_error(ErrorCode::ScaleXZero);
    if (box.height() < kSmallestExtent) stop_with_error(ErrorCode::ScaleYZero);

    const double across = kit.fit_width / box.width();
    const double down = (kit.fit_height - kFitFootroom) / box.height();
    kit.page_scale = across < down ? across : down;
    // The box middle lands on (fit_anchor_x, fit_anchor_y + 100): the land
    // side fills a band at the right of the window, the sea side runs out to
    // its left edge.
    kit.model_origin_x = box.middle_x() + (kit.page_centre_x - kit.fit_anchor_x) / kit.page_scale;
    kit.model_origin_y =
        box.middle_y() - (kit.page_centre_y - kit.fit_anchor_y - kFitAnchorDrop) / kit.page_scale;
    map_condition_figure(report, drawing);
}

void map_condition_figure(EarthPressureReport& report, const std::string& drawing) {
    const InputRecord& input = report.input;
    const FigureKit& kit = report.kit;
    ConditionFigure& f = report.figures.condition;
    f = ConditionFigure{};

    const FigurePoint crown =
        store_model_point(kit, 0.0, input.tjkn1.superstructure_crown, drawing);
    const FigurePoint lowest = store_model_point(kit, 0.0, input.joken.soil_bottom, drawing);
    f.wall = {crown.x, lowest.x, crown.y, lowest.y};
    if (straight_ground(input)) {
        const Point2 end = straight_ground_end(report);
        f.ground[0] = store_model_point(kit, end.x, end.z, drawing);
    } else {
        for (int i = 0; i < input.ground_point_count; ++i) {
            const GroundPoint& g = input.ground_points[static_cast<std::size_t>(i)];
            f.ground[static_cast<std::size_t>(i)] =
                store_model_point(kit, g.distance, g.level, drawing);
        }
    }
    f.rwl = store_level_line(kit, input.joken.residual_level, kit.win_x2, drawing);
    f.seabed = store_level_line(kit, input.joken.design_seabed, kit.win_x1, drawing);
    f.hwl = store_level_line(kit, input.joken.hwl, kit.win_x1, drawing);
    f.lwl = store_level_line(kit, input.joken.lwl, kit.win_x1, drawing);

    f.first_land = map_side_lines(report, input.land_layers.data(), input.land_layer_count,
                                  input.joken.ground_crown, kit.win_x2, f.land.data(), drawing);
    f.first_sea = map_side_lines(report, input.sea_layers.data(), input.sea_layer_count,
                                 input.joken.design_seabed, kit.win_x1, f.sea.data(), drawing);

    f.crown_mark = level_mark(kit, input.tjkn1.superstructure_crown, drawing);
    f.ground_mark = level_mark(kit, input.joken.ground_crown, drawing);

    // The residual water level starts where it meets the ground surface; of
    // several meetings along a polyline the last counts.
    FigurePoint at;
    if (straight_ground(input)) {
        if (meets(f.rwl, {f.ground_mark.x1, f.ground_mark.y1}, f.ground[0], at, drawing)) {
            f.rwl.x1 = at.x;
            f.rwl.y1 = at.y;
        }
        return;
    }
    for (int i = 0; i + 1 < input.ground_point_count; ++i) {
        if (meets(f.rwl, f.ground[static_cast<std::size_t>(i)],
                  f.ground[static_cast<std::size_t>(i) + 1], at, drawing)) {
            f.rwl.x1 = at.x;
            f.rwl.y1 = at.y;
        }
    }
}

void map_condition_profile(EarthPressureReport& report, const std::string& drawing) {
    const SurchargeProfile& profile = report.figures.profile;
    for (int i = 0; i < profile.count; ++i) {
        const SurchargePoint& p = profile.points[static_cast<std::size_t>(i)];
        report.figures.condition.profile[static_cast<std::size_t>(i)] =
            store_model_point(report.kit, p.x, p.y, drawing);
    }
}

void load_surcharge_profile(EarthPressureReport& report) {
    if (straight_ground(report.input)) return;
    const LoadModel& model = report.model;
    const SurchargeLayers layers = surcharge_layers(report);
    SurchargeProfile& profile = report.figures.profile;
    profile.count = 0;
    // Room: every ground row and one failure-plane point per layer.
    auto append = [&profile](const SurchargePoint& p) {
        if (profile.count >= kMaxSurchargePoints)
            stop_with_error("(ERROR)-上載荷重図の地表面の点が多すぎます.");
        profile.points[static_cast<std::size_t>(profile.count++)] = p;
    };
    for (int i = 0; i + 1 < model.ground_count; ++i) {
        const GroundRow& row = model.ground[static_cast<std::size_t>(i)];
        const GroundRow& next = model.ground[static_cast<std::size_t>(i) + 1];
        append({row.distance, row.level, row.surcharge_normal, row.surcharge_seismic});
        for (int a = layers.first; a <= layers.last; ++a) {
            const LandLayerCalc& layer = model.land_calc[static_cast<std::size_t>(a)];
            if (layer.crossing_x_bottom > row.distance && layer.crossing_x_bottom < next.distance)
                append({layer.crossing_x_bottom, layer.crossing_z_bottom, row.surcharge_normal,
                        row.surcharge_seismic});
        }
    }
}

void fit_surcharge_scale(EarthPressureReport& report) {
    const LoadModel& model = report.model;
    FigureKit& kit = report.kit;
    kit.load_scale = load_scale_of(kit.max_surcharge);
    ModelExtent box;
    box.take(0.0, report.input.tjkn1.superstructure_crown);
    const SurchargeProfile& profile = report.figures.profile;
    for (int i = 0; i < profile.count; ++i)
        box.take(profile.points[static_cast<std::size_t>(i)].x,
                 profile.points[static_cast<std::size_t>(i)].y);
    for (int j = model.index.ground_crown; j < model.land_count; ++j)
        box.take_y(model.land_calc[static_cast<std::size_t>(j)].top);
    kit.model_origin_x = box.middle_x();
    kit.model_origin_y = box.middle_y();
    if (box.width() < kSmallestExtent) stop_with_error(ErrorCode::ScaleXZero);
    if (box.height() < kSmallestExtent) stop_with_error(ErrorCode::ScaleYZero);
    const double across = (kit.win_x2 - kit.win_x1) / box.width();
    const double down = (kit.win_y2 - kit.win_y1 - kFitFootroom) / box.height();
    kit.page_scale = across < down ? across : down;
}

void map_surcharge_figure(EarthPressureReport& report, const std::string& drawing) {
    const InputRecord& input = report.input;
    const LoadModel& model = report.model;
    const FigureKit& kit = report.kit;
    SurchargeFigure& f = report.figures.surcharge;
    f = SurchargeFigure{};
    const FigurePoint crown =
        store_model_point(kit, 0.0, input.tjkn1.superstructure_crown, drawing);
    const FigurePoint last = store_model_point(
        kit, 0.0, model.land_calc[static_cast<std::size_t>(model.land_count - 1)].top, drawing);
    f.wall = {crown.x, last.x, crown.y, last.y};
    map_surcharge_profile(report, drawing);
    f.rwl = store_level_line(kit, input.joken.residual_level, kit.win_x2, drawing);
    f.seabed = store_level_line(kit, input.joken.design_seabed, kit.win_x2, drawing);
    f.crown = store_level_line(kit, input.tjkn1.superstructure_crown, kit.win_x2, drawing);
    for (int j = 0; j < model.land_count; ++j) {
        const double top = model.land_calc[static_cast<std::size_t>(j)].top;
        if (has_boundary_level(top))
            f.layers[static_cast<std::size_t>(j)] = store_level_line(kit, top, kit.win_x2, drawing);
    }
    // Each line starts where it meets the ground profile; the last meeting
    // along the profile counts.
    const SurchargeProfile& profile = report.figures.profile;
    FigurePoint at;
    for (int i = 0; i + 1 < profile.count; ++i) {
        const FigurePoint a = f.profile[static_cast<std::size_t>(i)];
        const FigurePoint b = f.profile[static_cast<std::size_t>(i) + 1];
        for (int j = 0; j < model.land_count; ++j) {
            FigureLine& line = f.layers[static_cast<std::size_t>(j)];
            if (!has_boundary_level(model.land_calc[static_cast<std::size_t>(j)].top)) continue;
            if (meets(line, a, b, at, drawing)) {
                line.x1 = at.x;
                line.y1 = at.y;
            }
        }
        if (meets(f.rwl, a, b, at, drawing)) {
            f.rwl.x1 = at.x;
            f.rwl.y1 = at.y;
        }
    }
}

void map_surcharge_profile(EarthPressureReport& report, const std::string& drawing) {
    const SurchargeProfile& profile = report.figures.profile;
    for (int i = 0; i < profile.count; ++i) {
        const SurchargePoint& p = profile.points[static_cast<std::size_t>(i)];
        report.figures.surcharge.profile[static_cast<std::size_t>(i)] =
            store_model_point(report.kit, p.x, p.y, drawing);
    }
}

} // namespace wtn
