#include "surcharge_figure_parts.h"

#include "condition_parts.h"
#include "degrees_minutes_seconds.h"
#include "figure_drawing.h"
#include "figure_labels.h"
#include "figure_placement.h"
#include "format_values.h"
#include "ground_figure_fits.h"
#include "model_extent.h"
#include "surcharge_blocks.h"

#include <cmath>
#include <vector>

namespace wtn {

namespace {

// Page Y of the zone dimension line and the half length of its ticks.
constexpr double kDimensionLineY = 600.0;
constexpr double kDimensionTick = 20.0;
constexpr int kDimensionPen = 2;
constexpr int kWedgePen = 1;
constexpr int kHighestTier = 4;
// The zone dimension line stands this many text heights above the highest
// block, label or line under it, and never higher than kDimensionLineY.
constexpr double kDimensionClearance = 0.75;
// How far a text may move to stay clear, in half-width cells along its line
// and in text lines to its free side.
constexpr double kLevelAlongCells = 14.0;
constexpr double kLevelFreeLines = 2.0;
constexpr double kAngleAlongCells = 8.0;
constexpr double kAngleFreeLines = 2.0;
constexpr double kPointAlongCells = 2.0;
constexpr double kPointFreeLines = 2.0;
constexpr double kWidthAlongCells = 8.0;
constexpr double kWidthFreeLines = 2.0;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// A dimension arrow between two page X at page Y y with its two ticks.
void dimension(DrawingFile& file, const FigureKit& kit, double x1, double x2, double y) {
    sheet_arrow(file, kit, x1, y, x2, y, kDimensionPen);
    sheet_line(file, kit, x1, y - kDimensionTick, x1, y + kDimensionTick, 0, kWedgePen);
    sheet_line(file, kit, x2, y - kDimensionTick, x2, y + kDimensionTick, 0, kWedgePen);
}

// Writes text wanted at (x, y), moved as little as moves allow to keep it
// clear of what the figure holds already.
// When those moves find no clear place, the other free side is tried
// (other_side true).
void clear_text(DrawingFile& file, const FigureKit& kit, double x, double y,
                const std::string& text, const LabelMoves& moves, bool other_side = false) {
    LabelShift shift;
    if (kit.ink != nullptr) {
        const LabelBox box = text_box(kit, x, y, text);
        shift = clear_label_shift(*kit.ink, box, moves);
        if (other_side && !box_is_clear(*kit.ink, shifted(box, shift))) {
            LabelMoves other = moves;
            other.free_side = {-moves.free_side.x, -moves.free_side.y};
            shift = clear_label_shift(*kit.ink, box, other);
        }
    }
    sheet_text(file, kit, x + shift.dx, y + shift.dy, text);
}

} // namespace

void draw_profile_line(DrawingFile& file, const EarthPressureReport& report) {
    const SurchargeFigure& f = report.figures.surcharge;
    for (int i = 0; i + 1 < report.figures.profile.count; ++i)
        sheet_line(file, report.kit, f.profile[at(i)].x, f.profile[at(i)].y, f.profile[at(i + 1)].x,
                   f.profile[at(i + 1)].y);
}

void draw_layer_levels(DrawingFile& file, const EarthPressureReport& report) {
    const FigureKit& kit = report.kit;
    const LoadModel& model = report.model;
    for (int p = 0; p < model.land_count; ++p) {
        const double top = model.land_calc[at(p)].top;
        if (!has_boundary_level(top)) continue;
        if (std::fabs(top - report.input.joken.residual_level) < kSmallestExtent) continue;
        const FigureLine& line = report.figures.surcharge.layers[at(p)];
        sheet_line(file, kit, line);
        const std::string text = level_text(top);
        // A level the ground line runs through goes under its own line,
        // back along it (it ends short of the line's end).
        LabelMoves moves =
            label_moves(kit, {-1.0, 0.0}, kLevelAlongCells, {0.0, 1.0}, kLevelFreeLines);
        moves.one_way = true;
        clear_text(file, kit,
                   line.x2 - 2 * kit.text_width -
                       (static_cast<int>(text.size()) * kit.text_width) / 2,
                   line.y2, text, moves);
    }
}

void draw_failure_wedge(DrawingFile& file, const EarthPressureReport& report, int a) {
    const FigureKit& kit = report.kit;
    const LoadModel& model = report.model;
    const FigureLine& below = report.figures.surcharge.layers[at(a + 1)];
    // Each layer's step is cut to whole page units before it is added.
    double sx = below.x1;
    double sy = below.y1;
    for (int i = a; i >= model.index.ground_crown; --i) {
        const LandLayerCalc& layer = model.land_calc[at(i)];
        const double zeta = layer.wedge_angles[at(a)];
        const double nx = sx + std::trunc(layer.thickness / std::tan(zeta) * kit.page_scale);
        const double ny = sy - std::trunc(layer.thickness * kit.page_scale);
        sheet_line(file, kit, sx, sy, nx, ny, 0, kWedgePen);
        draw_angle_mark(file, kit, sx, sy, zeta);
        draw_angle_text(file, kit, sx, sy, zeta);
        sx = nx;
        sy = ny;
    }
    const LandLayerCalc& layer = model.land_calc[at(a)];
    const PagePoint exit = model_to_page(kit, layer.crossing_x_bottom, layer.crossing_z_bottom);
    sheet_line(file, kit, sx, sy, std::trunc(exit.x), std::trunc(exit.y), 0, kWedgePen);
}

void draw_angle_mark(DrawingFile& file, const FigureKit& kit, double x, double y, double angle) {
    const double leg = 1.5 * kit.text_width;
    const PagePoint p1 = to_sheet(kit, x + leg, y);
    const PagePoint p2 = to_sheet(kit, x, y);
    const PagePoint p3 = to_sheet(kit, x + leg * std::cos(angle), y - leg * std::sin(angle));
    file.angle_mark(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, kWedgePen);
    note_line(kit, x, y, x + leg, y);
    note_line(kit, x, y, x + leg * std::cos(angle), y - leg * std::sin(angle));
}

void draw_angle_text(DrawingFile& file, const FigureKit& kit, double x, double y, double angle) {
    const DegreesMinutesSeconds d = to_degrees_minutes_seconds(angle);
    // On along its level away from the wedge, or down under the level.
    LabelMoves moves = label_moves(kit, {1.0, 0.0}, kAngleAlongCells, {0.0, 1.0}, kAngleFreeLines);
    moves.one_way = true;
    clear_text(file, kit, x + 1.5 * kit.text_width, y,
               format_text("ζ=%3d°%2d′%2d″", d.degrees, d.minutes, d.seconds), moves);
}

void draw_wedge_points(DrawingFile& file, const EarthPressureReport& report, int a) {
    const FigureKit& kit = report.kit;
    const LandLayerCalc& layer = report.model.land_calc[at(a)];
    for (int j = 0; j < kWedgeLabelRoom; ++j) {
        const double x = layer.label_x[at(j)];
        const double z = layer.label_z[at(j)];
        if (x == 0.0 && z == 0.0) continue;
        const PagePoint p = model_to_page(kit, x, z);
        clear_text(file, kit, std::trunc(p.x) - 0.25 * kit.text_width,
                   std::trunc(p.y) + 0.5 * kit.text_height, format_text("%d", j + 1),
                   label_moves(kit, {1.0, 0.0}, kPointAlongCells, {0.0, 1.0}, kPointFreeLines),
                   true);
    }
}

PagePoint check_dimension_labels(const FigureKit& kit, int k, DimensionTiers& tiers,
                                 std::string_view text, double length, double start, double base) {
    const double w = kit.text_width;
    const double h = kit.text_height;
    const int bytes = static_cast<int>(text.size());
    const double label_x = start + length * kit.page_scale * 0.5 - bytes * w * 0.5 * 0.5;
    int tier = kHighestTier;
    for (int t = 1; t < kHighestTier; ++t) {
        bool taken = false;
        for (int e = 0; e < k; ++e) {
            const DimensionTiers::Entry& entry = tiers.entries[at(e)];
            if (entry.tier == t && entry.x + entry.bytes * w * 0.5 >= label_x) taken = true;
        }
        if (!taken) {
            tier = t;
            break;
        }
    }
    const PagePoint p{label_x, base - 0.25 * h - (h + 0.25 * h) * (tier - 1)};
    tiers.entries[at(k)] = {tier, std::trunc(p.x), std::trunc(p.y), bytes};
    return p;
}

void draw_zone_dimensions(DrawingFile& file, const EarthPressureReport& report, int a) {
    const FigureKit& kit = report.kit;
    const InputRecord& input = report.input;
    const double e = report.model.land_calc[at(a)].crossing_x_bottom;
    struct Dimension {
        double start = 0.0;
        double end = 0.0;
        double x1 = 0.0;
        double x2 = 0.0;
    };
    std::vector<Dimension> dimensions;
    for (int j = 0; j < input.surcharge_count; ++j) {
        const SurchargeRow& zone = input.surcharges[at(j)];
        // Zones come in distance order: the first one beyond the exit point
        // ends the series.
        if (zone.start > e) break;
        const double end = zone.end >= e ? e : zone.end;
        dimensions.push_back({zone.start, end, std::trunc(model_to_page(kit, zone.start, 0.0).x),
                              std::trunc(model_to_page(kit, end, 0.0).x)});
    }
    if (dimensions.empty()) return;
    // One dimension line for the zones, just above the blocks and labels
    // under it (the stacked labels rise from it).
    double base = kDimensionLineY;
    if (kit.ink != nullptr) {
        const double highest =
            highest_ink(*kit.ink, dimensions.front().x1, dimensions.back().x2, kFrameHeight);
        base = std::max(kDimensionLineY, highest - kDimensionClearance * kit.text_height);
    }
    DimensionTiers tiers;
    int k = 0;
    for (const Dimension& d : dimensions) {
        dimension(file, kit, d.x1, d.x2, base);
        const std::string text = format_text("%1.4lfm", d.end - d.start);
        const PagePoint p =
            check_dimension_labels(kit, k, tiers, text, d.end - d.start, d.x1, base);
        sheet_text(file, kit, p.x, p.y, text);
        ++k;
    }
}

void draw_wedge_width(DrawingFile& file, const EarthPressureReport& report, int a) {
    const FigureKit& kit = report.kit;
    const SurchargeFigure& f = report.figures.surcharge;
    const double width = report.model.land_calc[at(a)].wedge_width_bottom;
    // Half a text height under the level of the ground top at the wall, on
    // the soil side of that level: above it stand the ground line and the
    // surcharge blocks.
    const double x0 = f.profile[0].x;
    const double y0 = f.profile[0].y + 0.5 * kit.text_height;
    const double length = kit.page_scale * width;
    dimension(file, kit, x0, x0 + length, y0);
    const std::string text = format_text("%1.4lfm", width);
    clear_text(file, kit,
               x0 + length * 0.5 - static_cast<double>(text.size()) * kit.text_width * 0.25,
               y0 + 1.5 * kit.text_height, text,
               label_moves(kit, {1.0, 0.0}, kWidthAlongCells, {0.0, 1.0}, kWidthFreeLines));
}

void draw_surcharge_parts(int c, DrawingFile& file, EarthPressureReport& report, int a) {
    const SurchargeFigure& f = report.figures.surcharge;
    draw_model_line(file, report.kit, f.wall);
    draw_profile_line(file, report);
    const RwlLabel rwl = note_rwl_label(report, f.rwl);
    draw_layer_levels(file, report);
    draw_rwl_line(file, report, f.rwl, rwl);
    draw_surcharge_figure_blocks(file, report, c);
    draw_failure_wedge(file, report, a);
    // The wedge width before the point numbers, which keep clear of it.
    draw_wedge_width(file, report, a);
    draw_wedge_points(file, report, a);
    draw_zone_dimensions(file, report, a);
}

} // namespace wtn
