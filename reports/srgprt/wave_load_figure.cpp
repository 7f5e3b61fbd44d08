#include "wave_load_figure.h"

#include "drawing_primitives.h"
#include "error_messages.h"
#include "figure_labels.h"
#include "format_values.h"
#include "user_text.h"
#include "wave_inputs.h"

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

// A half-page upright drawing: 46 cells by 31 lines.
constexpr int kDrawingColumns = 46;
constexpr int kDrawingLines = 31;
constexpr int kFrameDepth = 3100;
constexpr int kLabelSize = 60; // text height and full-width width, page units
// Windows: the wave diagram alone, or the still-water triangle and the wave
// diagram side by side, each kept kDiagramGap inside its neighbour.
constexpr double kWaveWindowX1 = 2000.0;
constexpr double kWaveWindowX2 = 3300.0;
constexpr double kStillWindowX1 = 900.0;
constexpr double kStillWindowX2 = 3500.0;
constexpr double kWindowY1 = 200.0;
constexpr double kWindowY2 = 2900.0;
constexpr double kDiagramGap = 570.0;
// Ranges below these have nothing to draw.
constexpr double kMinValueRange = 0.0001;
constexpr double kMinLevelRange = 0.0001;
constexpr double kArrowHalfCells = 2.75; // half length of the WAVE arrow in full-width cells
constexpr int kArrowDrop = 30;           // the arrow stands this far below the window
constexpr int kArrowTextGap = 10;

// The sketch of the resultant stands at fixed page X, further left when the
// still-water triangle takes the room.
struct SketchColumns {
    int stroke_x1, stroke_x2; // seabed stroke and force arrow
    int arm_x;                // lever-arm arrow, hatching and "h" text
    int level_x1, level_x2;   // level strokes and texts
    int tide_x1, tide_x2;     // still-water stroke
    int tide_text_x;
    int water_mark_x;
};
constexpr SketchColumns kSketchAlone = {950, 1400, 1040, 620, 920, 190, 920, 410, 295};
constexpr SketchColumns kSketchWithStill = {330, 780, 420, 0, 300, 0, 730, 220, 105};

struct Layout {
    bool still = false;
    double p_max = 0.0;
    double p_s = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    DiagramMapping wave;
    DiagramMapping still_water;
};

void set_wave_load_layout(FigureKit& kit, bool still) {
    kit.frame = {};
    kit.frame.x2 = kFrameWidth;
    kit.frame.y2 = kFrameDepth;
    kit.model_cos = 1.0;
    kit.model_sin = 0.0;
    kit.text_height = kLabelSize;
    kit.text_width = kLabelSize;
    set_sheet_stage(kit, false);
    kit.win_x1 = still ? kStillWindowX1 : kWaveWindowX1;
    kit.win_x2 = still ? kStillWindowX2 : kWaveWindowX2;
    kit.win_y1 = kWindowY1;
    kit.win_y2 = kWindowY2;
}

Layout fit_wave_load_scale(FigureKit& kit, const WaveBlock& b, double crest, double seabed,
                           bool still) {
    Layout l;
    l.still = still;
    double p_max = -999999.9;
    double highest = -999999.9;
    double lowest = 999999.9;
    for (int i = 0; i <= b.diagram.count; ++i) {
        const WaveLayerRow& row = b.diagram.rows[i];
        p_max = std::max({p_max, row.top, row.bottom});
        highest = std::max(highest, row.level);
        lowest = std::min(lowest, row.level);
    }
    l.p_max = p_max;
    l.p_s = b.still.width;
    l.top = crest > highest ? crest : highest;
    l.bottom = seabed >= lowest ? lowest : seabed;
    const double value_range = still ? l.p_s + p_max : p_max;
    if (!(value_range >= kMinValueRange)) stop_with_error(ErrorCode::ScaleXZero);
    if (!(l.top - l.bottom >= kMinLevelRange)) stop_with_error(ErrorCode::ScaleYZero);

    kit.page_scale = (kit.win_y2 - kit.win_y1) / (l.top - l.bottom);
    const double middle_level = (l.top + l.bottom) / 2.0;
    const double middle_y = (kit.win_y1 + kit.win_y2) / 2.0;
    if (!still) {
        kit.value_scale = (kit.win_x2 - kit.win_x1) / value_range;
        l.wave.centre = {(kit.win_x1 + kit.win_x2) / 2.0, middle_y};
    } else {
        kit.value_scale = (kit.win_x2 - kit.win_x1 - 2.0 * kDiagramGap) / value_range;
        const double still_x = kit.win_x1 + kDiagramGap + l.p_s * kit.value_scale / 2.0;
        const double wave_x = kit.win_x1 + kDiagramGap + l.p_s * kit.value_scale + kDiagramGap +
                              p_max * kit.value_scale / 2.0;
        l.still_water = {
            -l.p_s / 2.0, middle_level, {still_x, middle_y}, kit.value_scale, kit.page_scale};
        l.wave.centre = {wave_x, middle_y};
    }
    l.wave.origin_value = -p_max / 2.0;
    l.wave.origin_level = middle_level;
    l.wave.value_scale = kit.value_scale;
    l.wave.page_scale = kit.page_scale;
    kit.model_origin_x = l.wave.origin_value;
    kit.model_origin_y = l.wave.origin_level;
    kit.page_centre_x = l.wave.centre.x;
    kit.page_centre_y = l.wave.centre.y;
    return l;
}

WaveLoadRecord map_wave_load_figure(const Layout& l, const WaveBlock& b, double crest,
                                    double seabed, const std::string& name) {
    WaveLoadRecord rec;
    auto wave = [&](double value, double level) {
        return map_diagram_point(l.wave, value, level, name);
    };
    rec.wall_crest = wave(0.0, crest);
    rec.wall_seabed = wave(0.0, seabed);
    rec.wall_resultant = wave(0.0, seabed + b.resultant.resultant_height);
    rec.wall_tide = wave(0.0, b.common.tide_level);
    const int n = b.diagram.count;
    rec.x_left = 9999.0;
    for (int i = 0; i <= n; ++i) {
        const WaveLayerRow& row = b.diagram.rows[i];
        rec.top_corner[i] = wave(-row.top, row.level);
        rec.x_left = std::min<double>(rec.x_left, rec.top_corner[i].x);
        if (i == n) break;
        rec.bottom_corner[i] = wave(-row.bottom, b.diagram.rows[i + 1].level);
        rec.x_left = std::min<double>(rec.x_left, rec.bottom_corner[i].x);
    }
    for (int f = 0; f < b.forces.count; ++f)
        rec.force_number[f] = wave(-b.forces[f].centroid_value, b.forces[f].centroid_level);
    rec.wave_centre_x = l.wave.centre.x;
    if (l.still) {
        auto still = [&](double value, double level) {
            return map_diagram_point(l.still_water, value, level, name);
        };
        rec.still_top = still(0.0, b.common.tide_level);
        rec.still_bottom = still(-l.p_s, seabed);
        rec.still_number = still(-b.still.centroid_value, b.still.centroid_level);
    }
    return rec;
}

// The points of the figure are upright page points; they still pass the
// sheet stage as every figure's do.
void sheet_line(DrawingFile& file, const FigureKit& kit, FigurePoint a, FigurePoint b, int type,
                int pen) {
    const PagePoint p = to_sheet(kit, a.x, a.y);
    const PagePoint q = to_sheet(kit, b.x, b.y);
    file.line(p.x, p.y, q.x, q.y, type, pen);
}

void sheet_text(DrawingFile& file, const FigureKit& kit, double x, double y, int pen,
                std::string_view text) {
    const PagePoint p = to_sheet(kit, x, y);
    file.text(p.x, p.y, kit.text_height, kit.text_width, static_cast<int>(kit.sheet_angle),
              AngleField::padded, pen, text);
}

// Line types of segment r: dashed (1) above the wall top and from the h' row
// down, where the diagram carries no load on the wall; the wall side dashed
// above the wall top only. A row index of -1 names no row.
struct SegmentTypes {
    int outline = 0;
    int wall = 0;
};

SegmentTypes segment_types(const WaveDiagram& d, int r) {
    const bool above_wall = d.wall_top_row >= 0 && r < d.wall_top_row;
    const bool below_h_dash = d.h_dash_row >= 0 && r >= d.h_dash_row;
    return {above_wall || below_h_dash ? 1 : 0, above_wall ? 1 : 0};
}

void draw_wave_diagram(DrawingFile& file, const FigureKit& kit, const WaveLoadRecord& rec,
                       const WaveBlock& b, bool still) {
    const WaveDiagram& d = b.diagram;
    for (int r = 0; r < d.count; ++r) {
        const WaveLayerRow& row = d.rows[r];
        const SegmentTypes t = segment_types(d, r);
        const FigurePoint ct = rec.top_corner[r];
        const FigurePoint cb = rec.bottom_corner[r];
        const FigurePoint wt = {rec.wall_crest.x, ct.y};
        const FigurePoint wb = {rec.wall_crest.x, cb.y};
        if (row.top > 0.0) sheet_line(file, kit, wt, ct, t.outline, 2);
        if (row.bottom > 0.0) sheet_line(file, kit, wb, cb, t.outline, 2);
        sheet_line(file, kit, wt, wb, t.wall, 2);
        sheet_line(file, kit, ct, cb, t.outline, 2);
        if (row.kind >= 0) {
            if (row.kind != 0)
                sheet_line(file, kit, ct, wb, 1, 2);
            else
                sheet_line(file, kit, wt, cb, 1, 2);
        }
    }

    const double centre = still ? rec.wave_centre_x : (kit.win_x1 + kit.win_x2) / 2.0;
    const double y = kit.win_y2 + kArrowDrop;
    const double half = kArrowHalfCells * kit.text_width;
    const PagePoint left = to_sheet(kit, centre - half, y);
    const PagePoint right = to_sheet(kit, centre + half, y);
    file.arrow(left.x, left.y, right.x, right.y, 1);
    file.text(std::trunc(left.x), std::trunc(left.y) + kit.text_height + kArrowTextGap,
              kit.text_height, kit.text_width, static_cast<int>(kit.sheet_angle),
              AngleField::padded, 2, " ＷＡＶＥ ");

    if (!still) return;
    const SegmentTypes t = d.count > 0 ? segment_types(d, d.count - 1) : SegmentTypes{};
    const FigurePoint a = rec.still_top;
    const FigurePoint bb = {rec.still_top.x, rec.still_bottom.y};
    const FigurePoint c = rec.still_bottom;
    sheet_line(file, kit, bb, c, t.outline, 2);
    sheet_line(file, kit, a, bb, t.wall, 2);
    sheet_line(file, kit, a, c, t.outline, 2);
}

void draw_force_numbers(DrawingFile& file, const FigureKit& kit, const WaveLoadRecord& rec,
                        const WaveBlock& b, bool still) {
    const double w = kit.text_width;
    for (int f = 0; f < b.forces.count; ++f) {
        const FigurePoint p = rec.force_number[f];
        sheet_text(file, kit, p.x - 0.25 * w, p.y + 0.5 * w, 2, format_text("%d", f + 1));
    }
    if (still) {
        const FigurePoint p = rec.still_number;
        sheet_text(file, kit, p.x - 0.25 * w, p.y + 0.5 * w, 2, "1");
    }
}

void draw_level_labels(DrawingFile& file, FigureKit& kit, const WaveLoadRecord& rec,
                       const WaveBlock& b) {
    kit.last_label_box = {};
    for (int i = 0; i <= b.diagram.count; ++i) {
        const std::string t = format_text(" %+7.3f ", b.diagram.rows[i].level);
        const int x = rec.wall_crest.x;
        const int y = rec.top_corner[i].y;
        place_value_label(file, kit, t, t, x, y, x, y, label_cells(t), LabelSide::right);
    }
}

std::string intensity_text(double value) {
    return format_text(" %8.3fkN/m\\U2 ", value);
}

// A label in the column left of the diagram, its right end clear of x_left.
void place_left_label(DrawingFile& file, FigureKit& kit, double x_left, const std::string& text1,
                      const std::string& text2, FigurePoint anchor) {
    const int cells = label_cells(text1);
    const double w = kit.text_width;
    const int x =
        static_cast<int>(x_left) - static_cast<int>(1.5 * w) - static_cast<int>(cells * w / 2.0);
    place_value_label(file, kit, text1, text2, anchor.x, anchor.y, x, anchor.y, cells,
                      LabelSide::left);
}

void draw_intensity_labels(DrawingFile& file, FigureKit& kit, const WaveLoadRecord& rec,
                           const WaveBlock& b, bool still) {
    kit.last_label_box = {};
    const WaveDiagram& d = b.diagram;
    if (d.first_loaded_row >= 0) {
        const int k = d.first_loaded_row;
        double previous = d.rows[k].top;
        FigurePoint previous_point = rec.top_corner[k];
        for (int s = k; s <= d.count; ++s) {
            const double current = d.rows[s].top;
            const FigurePoint current_point = rec.top_corner[s];
            const FigurePoint anchor = current > previous ? current_point : previous_point;
            place_left_label(file, kit, rec.x_left, intensity_text(previous),
                             intensity_text(current), anchor);
            if (s == d.count) break;
            previous = d.rows[s].bottom;
            previous_point = rec.bottom_corner[s];
        }
    }
    if (still) {
        const std::string t = intensity_text(b.still.width);
        place_left_label(file, kit, rec.still_bottom.x, t, t, rec.still_bottom);
    }
}

void sketch_stroke(DrawingFile& file, const FigureKit& kit, int x1, int x2, int y) {
    sheet_line(file, kit, {x1, y}, {x2, y}, 0, 2);
}

void draw_resultant_sketch(DrawingFile& file, const FigureKit& kit, const WaveLoadRecord& rec,
                           const WaveReport& report, const WaveBlock& b, int level, bool still) {
    const SketchColumns& c = still ? kSketchWithStill : kSketchAlone;
    const int seabed_y = rec.wall_seabed.y;
    const int resultant_y = rec.wall_resultant.y;
    const int tide_y = rec.wall_tide.y;
    const double h = kit.text_height;
    const double seabed = report.input.tjkn1.construction_seabed;
    const SheetTransform sheet = sheet_transform(kit);

    sketch_stroke(file, kit, c.stroke_x1, c.stroke_x2, seabed_y);
    draw_hatching(file.stream(), sheet, c.arm_x, seabed_y, 0.0);
    PagePoint p = to_sheet(kit, c.arm_x, seabed_y);
    PagePoint q = to_sheet(kit, c.arm_x, resultant_y);
    file.arrow(p.x, p.y, q.x, q.y, 2);
    p = to_sheet(kit, c.stroke_x1, resultant_y);
    q = to_sheet(kit, c.stroke_x2, resultant_y);
    file.arrow(p.x, p.y, q.x, q.y, 1);
    sheet_text(file, kit, c.stroke_x1, resultant_y - 0.25 * h, 0,
               format_text(" P=%8.3fkN/m", b.resultant.total_force));
    sheet_text(file, kit, c.arm_x, (seabed_y + resultant_y) / 2.0 + 0.5 * h, 2,
               format_text("  h=%6.3fm", b.resultant.resultant_height));
    sketch_stroke(file, kit, c.level_x1, c.level_x2, resultant_y);
    sheet_text(file, kit, c.level_x1, resultant_y - 0.25 * h, 0,
               format_text(" %+7.3fm", seabed + b.resultant.resultant_height));
    sketch_stroke(file, kit, c.level_x1, c.level_x2, seabed_y);
    sheet_text(file, kit, c.level_x1, seabed_y - 0.25 * h, 0, format_text(" %+7.3fm", seabed));
    sketch_stroke(file, kit, c.tide_x1, c.tide_x2, tide_y);
    static constexpr const char* kTideTexts[] = {"H.H.W.L.", "H.W.L.  ", "L.W.L.  "};
    const std::string name = level == kTideUser ? user_field(report.input.wavsw.user_tide_name, 8)
                                                : std::string(kTideTexts[level]);
    sheet_text(file, kit, c.tide_text_x, tide_y - 0.25 * h, 0,
               name + format_text("%+7.3fm", b.common.tide_level));
    draw_water_mark(file.stream(), sheet, c.water_mark_x, tide_y);
}

} // namespace

void check_wave_load_scale(const WaveReport& report, const ReportedBlock& reported) {
    FigureKit kit = report.kit;
    const bool still = still_water_on(report.input);
    set_wave_load_layout(kit, still);
    fit_wave_load_scale(kit, reported.block, report.crest, report.input.tjkn1.construction_seabed,
                        still);
}

std::string write_wave_load_figure(WaveReport& report, const ReportedBlock& reported) {
    const WaveBlock& b = reported.block;
    const bool still = still_water_on(report.input);
    const double seabed = report.input.tjkn1.construction_seabed;
    const std::string name =
        format_text("HMOMNTZ%1d.PZK", reported.case_index + 2 * reported.ordinal);

    FigureKit& kit = report.kit;
    set_wave_load_layout(kit, still);
    const Layout layout = fit_wave_load_scale(kit, b, report.crest, seabed, still);
    const WaveLoadRecord rec = map_wave_load_figure(layout, b, report.crest, seabed, name);

    DrawingFile file(name, "波圧荷重図", kDrawingColumns, kDrawingLines);
    draw_wave_diagram(file, kit, rec, b, still);
    draw_force_numbers(file, kit, rec, b, still);
    draw_level_labels(file, kit, rec, b);
    draw_intensity_labels(file, kit, rec, b, still);
    draw_resultant_sketch(file, kit, rec, report, b, reported.level, still);
    file.close();
    return name;
}

} // namespace wtn
