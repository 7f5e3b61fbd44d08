#include "surcharge_blocks.h"

#include "figure_drawing.h"
#include "figure_placement.h"
#include "format_values.h"
#include "ground_figure_fits.h"
#include "report_switches.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace wtn {

namespace {

// |max_surcharge| below this: nothing to draw.
constexpr double kNoSurcharge = 0.001;
// A segment narrower than this on the page is a vertical step of the ground.
constexpr double kVerticalStep = 0.0001;
// Arrow-count corrections keep an arrow off a segment end within this.
constexpr double kArrowEndTolerance = 0.0001;
constexpr double kNoPreviousIntensity = 999.99;
constexpr double kNoBlockTop = 99999.99;
constexpr int kBlockPen = 1;
// More arrows than this on one straight ground line cannot be on the page.
constexpr double kMaxArrows = 1e6;
// How far a zone label may move to stay clear: on along the ground away
// from the wall, in half-width cells, and up, in text lines.
constexpr double kZoneLabelAlongCells = 2.0;
constexpr double kZoneLabelFreeLines = 3.0;

double intensity(const SurchargePoint& p, int c) {
    return c == kSeismicCase ? p.seismic : p.normal;
}

// Zone label of case c: intensity 8 wide in the design-condition figure, 6
// wide in the surcharge figures.
std::string zone_label(int c, bool narrow, int zone, double q) {
    if (narrow)
        return c == kSeismicCase ? format_text("ｗ\\D%d'=%6.2lf kN/m\\U2", zone, q)
                                 : format_text("ｗ\\D%d =%6.2lf kN/m\\U2", zone, q);
    return c == kSeismicCase ? format_text("ｗ\\D%d'=%8.2lf kN/m\\U2", zone, q)
                             : format_text("ｗ\\D%d =%8.2lf kN/m\\U2", zone, q);
}

// Printed half width of a label whose two escape bytes take no room.
double half_label(const FigureKit& kit, const std::string& text) {
    return (static_cast<double>(text.size()) - 2.0) * 0.5 * kit.text_width * 0.5;
}

void straight_blocks(DrawingFile& file, const EarthPressureReport& report, int c) {
    const InputRecord& input = report.input;
    const FigureKit& kit = report.kit;
    const double q =
        c == kSeismicCase ? input.joken.surcharge_seismic : input.joken.surcharge_normal;
    const double scale = kit.load_scale;
    const double theta = input.joken.ground_angle * std::numbers::pi / 180.0;
    const PagePoint p0 = model_to_page(kit, 0.0, input.joken.ground_crown);
    const FigurePoint ground_end = report.figures.condition.ground[0];
    if (q > 0.0) {
        sheet_line(file, kit, p0.x, p0.y, p0.x, p0.y - q * scale, 0, kBlockPen);
        sheet_line(file, kit, p0.x, p0.y - q * scale, ground_end.x, ground_end.y - q * scale, 0,
                   kBlockPen);
        const double dx = std::cos(theta) * kit.ground_reach * kit.page_scale;
        const double dy = std::sin(theta) * kit.ground_reach * kit.page_scale;
        // At most the drawn reach of the ground over the pitch; an angle
        // that is not a number draws none.
        const double steps = dx / kit.arrow_pitch;
        const int n = steps > 0.0 && steps < kMaxArrows ? static_cast<int>(steps) : 0;
        for (int k = 0; k < n; ++k) {
            const double d = (k + 1) * kit.arrow_pitch;
            sheet_arrow(file, kit, p0.x + d, p0.y - d * dy / dx - q * scale, p0.x + d,
                        p0.y - d * dy / dx, kBlockPen);
        }
    }
    const std::string text =
        format_text(c == kSeismicCase ? "ｗ'=%8.2lf kN/m\\U2" : "ｗ =%8.2lf kN/m\\U2", q);
    const double lift = q > 0.0 ? q * scale : 0.0;
    const double mx = (p0.x + ground_end.x) / 2.0;
    const double my = (p0.y + ground_end.y) / 2.0 - lift;
    const double half = half_label(kit, text);
    // Along the slope, centred over the block.
    sheet_text_at_angle(file, kit,
                        mx - std::sin(theta) * 0.25 * kit.text_height - std::cos(theta) * half,
                        my - std::cos(theta) * 0.25 * kit.text_height + std::sin(theta) * half,
                        static_cast<int>(input.joken.ground_angle), text);
}

// The highest block top (smallest Y) of the loaded segments out to
// end_distance that lie under the page X range [x1, x2], or no_top when none
// does.
double highest_top_under(const FigureKit& kit, const SurchargeProfile& profile,
                         const FigurePoint* page, double end_distance, int c, double x1, double x2,
                         double no_top) {
    double highest = no_top;
    for (int b = 0; b + 1 < profile.count; ++b) {
        if (b > 0 && profile.points[static_cast<std::size_t>(b)].x == end_distance) break;
        const double q = intensity(profile.points[static_cast<std::size_t>(b)], c);
        const FigurePoint start = page[b];
        const FigurePoint end = page[b + 1];
        if (q == 0.0 || std::fabs(static_cast<double>(start.x) - end.x) < kVerticalStep) continue;
        if (std::max(start.x, end.x) < x1 || std::min(start.x, end.x) > x2) continue;
        highest = std::min({highest, start.y - q * kit.load_scale, end.y - q * kit.load_scale});
    }
    return highest;
}

// Where the labels of one profile stand so far: a label that would run into
// the previous one goes one text line higher.
struct ZoneLabelRun {
    int zone = 0;
    double previous_right = -kNoBlockTop;
    double previous_y = kNoBlockTop;
};

// One ground profile as the figure draws it: its model points and
// intensities, their page points, where its blocks end and the load case.
struct ProfileOnPage {
    const FigureKit& kit;
    const SurchargeProfile& profile;
    const FigurePoint* page;
    double end_distance;
    int c;
    bool in_surcharge_figure;
};

// The arrows of one segment at the pitch, carried over from the segments
// before it in the same zone; returns how many were drawn and where the last
// stood along the segment.
struct SegmentArrows {
    int count = 0;
    double last_distance = 0.0;
};

SegmentArrows segment_arrows(DrawingFile& file, const FigureKit& kit, const SurchargePoint& p,
                             const SurchargePoint& next, FigurePoint start, double q,
                             double carried) {
    const double pitch = kit.arrow_pitch;
    const double sx = (next.x - p.x) * kit.page_scale;
    const double sy = (next.y - p.y) * kit.page_scale;
    const int whole_pitches = static_cast<int>(sx / pitch);
    const double left_over = sx - (whole_pitches * pitch - carried);
    SegmentArrows arrows;
    arrows.count = whole_pitches + static_cast<int>(left_over / pitch);
    if (std::fabs(left_over) < kArrowEndTolerance) --arrows.count;
    if (std::fabs(left_over - pitch) < kArrowEndTolerance) --arrows.count;
    for (int k = 0; k < arrows.count; ++k) {
        arrows.last_distance = pitch - carried + k * pitch;
        const double d = arrows.last_distance;
        sheet_arrow(file, kit, start.x + d, start.y - d * sy / sx - q * kit.load_scale, start.x + d,
                    start.y - d * sy / sx, kBlockPen);
    }
    return arrows;
}

// The label of the zone whose block runs from block_start to block_end on
// the page. It stands centred over the block it closes. Both figures begin
// at the wall: a label wider than the block at the wall starts at the wall
// instead of reaching across it (out of the frame in the surcharge figures).
// A label wider than its block stands above the higher blocks beside it too,
// and zones close together would put their labels over each other: a label
// that runs into the previous one stands one text line above it.
void zone_block_label(DrawingFile& file, const ProfileOnPage& on_page, double q, double block_start,
                      double block_end, double highest, ZoneLabelRun& run) {
    const FigureKit& kit = on_page.kit;
    const FigurePoint* page = on_page.page;
    const std::string text = zone_label(on_page.c, on_page.in_surcharge_figure, run.zone + 1, q);
    const double centre = (block_start + block_end) / 2.0;
    const double half = half_label(kit, text);
    double x = centre - half;
    x = std::max(x, static_cast<double>(page[0].x));
    const double top =
        std::min(highest, highest_top_under(kit, on_page.profile, page, on_page.end_distance,
                                            on_page.c, x, x + 2.0 * half, kNoBlockTop));
    double y = top - 0.25 * kit.text_height;
    if (x < run.previous_right && std::fabs(y - run.previous_y) < kit.text_height)
        y = run.previous_y - kit.text_height;
    // Then clear of every line and text under it, higher still.
    if (kit.ink != nullptr) {
        LabelMoves moves =
            label_moves(kit, {1.0, 0.0}, kZoneLabelAlongCells, {0.0, -1.0}, kZoneLabelFreeLines);
        moves.one_way = true; // never back across the wall
        const LabelShift shift = clear_label_shift(*kit.ink, text_box(kit, x, y, text), moves);
        x += shift.dx;
        y += shift.dy;
    }
    sheet_text(file, kit, x, y, text);
    run.previous_right = x + 2.0 * half;
    run.previous_y = y;
    ++run.zone;
}

// The blocks over a ground profile whose page points are `page` and whose
// model points and intensities are `profile`, out to end_distance.
void profile_blocks(DrawingFile& file, const FigureKit& kit, const SurchargeProfile& profile,
                    const FigurePoint* page, double end_distance, int c, bool in_surcharge_figure) {
    const double scale = kit.load_scale;
    double previous = kNoPreviousIntensity;
    double highest = kNoBlockTop;
    double carried = 0.0;
    bool in_block = false;
    double block_start = 0.0;
    ZoneLabelRun labels;
    for (int b = 0; b + 1 < profile.count; ++b) {
        const SurchargePoint& p = profile.points[static_cast<std::size_t>(b)];
        const SurchargePoint& next = profile.points[static_cast<std::size_t>(b) + 1];
        const double q = intensity(p, c);
        const double q_next = intensity(next, c);
        if (q == 0.0) {
            previous = q;
            continue;
        }
        const FigurePoint start = page[b];
        const FigurePoint end = page[b + 1];
        if (std::fabs(static_cast<double>(start.x) - end.x) < kVerticalStep) {
            previous = 0.0;
            continue;
        }
        const double start_top = start.y - q * scale;
        const double end_top = end.y - q * scale;
        highest = std::min({highest, start_top, end_top});
        if (!in_block) {
            in_block = true;
            block_start = start.x;
        }
        // A block ends where its intensity changes; in the surcharge figures
        // also where the wedge leaves the ground, which cuts it there.
        const bool at_end = next.x == end_distance;
        if (previous != q)
            sheet_line(file, kit, start.x, start.y, start.x, start_top, 0, kBlockPen);
        sheet_line(file, kit, start.x, start_top, end.x, end_top, 0, kBlockPen);
        if (q_next != q || (in_surcharge_figure && at_end))
            sheet_line(file, kit, end.x, end_top, end.x, end.y, 0, kBlockPen);

        // Arrows go on at the pitch across the segments of one zone.
        const SegmentArrows arrows = segment_arrows(file, kit, p, next, start, q, carried);
        if (q_next != q || at_end) {
            carried = 0.0;
            zone_block_label(file, {kit, profile, page, end_distance, c, in_surcharge_figure}, q,
                             block_start, end.x, highest, labels);
            highest = kNoBlockTop;
            in_block = false;
            if (at_end) break;
        } else {
            const double sx = (next.x - p.x) * kit.page_scale;
            carried =
                arrows.count > 0 ? sx - arrows.last_distance : static_cast<double>(end.x) - start.x;
        }
        previous = q;
    }
}

} // namespace

void draw_surcharge_blocks(DrawingFile& file, EarthPressureReport& report, int c) {
    if (std::fabs(report.kit.max_surcharge) < kNoSurcharge) return;
    const InputRecord& input = report.input;
    if (straight_ground(input)) {
        straight_blocks(file, report, c);
        return;
    }
    map_condition_profile(report, file.name());
    const double end =
        input.ground_point_count > 0
            ? input.ground_points[static_cast<std::size_t>(input.ground_point_count - 1)].distance
            : 0.0;
    profile_blocks(file, report.kit, report.figures.profile,
                   report.figures.condition.profile.data(), end, c, false);
}

void draw_surcharge_figure_blocks(DrawingFile& file, EarthPressureReport& report, int c) {
    if (std::fabs(report.kit.max_surcharge) < kNoSurcharge) return;
    const LoadModel& model = report.model;
    map_surcharge_profile(report, file.name());
    const double end =
        model.land_calc[static_cast<std::size_t>(model.land_count - 2)].crossing_x_bottom;
    profile_blocks(file, report.kit, report.figures.profile,
                   report.figures.surcharge.profile.data(), end, c, true);
}

} // namespace wtn
