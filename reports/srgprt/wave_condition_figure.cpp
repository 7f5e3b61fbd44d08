#include "wave_condition_figure.h"

#include "drawing_primitives.h"
#include "error_messages.h"
#include "figure_labels.h"
#include "figure_placement.h"
#include "format_values.h"
#include "report_switches.h"
#include "user_text.h"
#include "wave_chapter.h"
#include "wave_inputs.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace wtn {
namespace {

constexpr int kDrawingColumns = 46;
constexpr int kDrawingLines = 67;
constexpr double kWindowX1 = 100.0;
constexpr double kWindowX2 = 3800.0;
constexpr double kWindowY1 = 600.0;
constexpr double kWindowY2 = 5700.0;
constexpr std::int32_t kTextHeight = 70;
constexpr std::int32_t kTextWidth = 75;
constexpr double kMinLevelRange = 0.0001;
// A layer is drawn only when its bottom lies below the seabed by more than
// this: one that ends at the seabed lies above it.
constexpr double kBelowSeabed = 0.0001;
// The land-side hatching stands this far inside the text's start.
constexpr int kLandHatchingInset = 240;

void set_wave_condition_layout(FigureKit& kit) {
    kit.frame = {};
    kit.frame.x2 = kFrameWidth;
    kit.frame.band_y = kTitleBandDepth;
    kit.frame.y2 = kFrameHeight;
    kit.win_x1 = kWindowX1;
    kit.win_x2 = kWindowX2;
    kit.win_y1 = kWindowY1;
    kit.win_y2 = kWindowY2;
    kit.page_centre_x = (kWindowX1 + kWindowX2) / 2.0;
    kit.page_centre_y = (kWindowY1 + kWindowY2) / 2.0;
    kit.model_cos = 1.0;
    kit.model_sin = 0.0;
    kit.text_height = kTextHeight;
    kit.text_width = kTextWidth;
    set_sheet_stage(kit, false);
}

double layer_bottom(const InputRecord& input, int j) {
    return j + 1 < input.land_layer_count ? input.land_layers[j + 1].top : input.joken.soil_bottom;
}

int land_layer_count(const InputRecord& input) {
    return std::clamp(input.land_layer_count, 0, kMaxSoilLayerRows);
}

struct ConditionMapper {
    const FigureKit& kit;
    FigurePoint point(double level) const {
        const PagePoint p = model_to_page(kit, 0.0, level);
        return {stored_unit(p.x, kWaveConditionFigure), stored_unit(p.y, kWaveConditionFigure)};
    }
    // A line at level from the wall (or from x_from, a window edge) to x_to.
    FigureLine line(double level, int x_from, int x_to) const {
        const FigurePoint p = point(level);
        return {x_from, x_to, p.y, p.y};
    }
};

WaveConditionRecord map_wave_condition_figure(const FigureKit& kit, const WaveReport& report) {
    const InputRecord& input = report.input;
    const ConditionMapper m{kit};
    const int left = static_cast<int>(kit.win_x1);
    const int right = static_cast<int>(kit.win_x2);
    WaveConditionRecord rec;
    const FigurePoint crest = m.point(report.crest);
    const FigurePoint bottom = m.point(input.joken.soil_bottom);
    rec.wall = {crest.x, bottom.x, crest.y, bottom.y};
    const double seabed = input.tjkn1.construction_seabed;
    rec.sea_seabed = m.line(seabed, crest.x, left);
    const int n = land_layer_count(input);
    for (int i = 0; i < n; ++i)
        rec.boundaries[i] = m.line(input.land_layers[i].top, left, right);
    rec.boundaries[n] = m.line(input.joken.soil_bottom, left, right);
    const int tide_from = still_water_on(input) ? crest.x : right;
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (tide_level_drawn(input, k))
            rec.tide_lines[k] = m.line(tide_level_of(input, k), tide_from, left);
    }
    rec.land_seabed = m.line(seabed, crest.x, right);
    return rec;
}

WaveConditionRecord fit_wave_condition_scale(FigureKit& kit, const WaveReport& report) {
    const InputRecord& input = report.input;
    double highest = -999999.9;
    double lowest = 999999.9;
    auto take = [&](double level) {
        highest = std::max(highest, level);
        lowest = std::min(lowest, level);
    };
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (tide_level_drawn(input, k)) take(tide_level_of(input, k));
    }
    take(input.joken.soil_bottom);
    take(report.crest);
    const double range = highest - lowest;
    if (!(range >= kMinLevelRange)) stop_with_error(ErrorCode::ScaleYZero);
    kit.page_scale = (kit.win_y2 - kit.win_y1) / range;
    kit.model_origin_x = 0.0;
    kit.model_origin_y = (highest + lowest) / 2.0;
    return map_wave_condition_figure(kit, report);
}

void sheet_line(DrawingFile& file, const FigureKit& kit, const FigureLine& l) {
    const PagePoint a = to_sheet(kit, l.x1, l.y1);
    const PagePoint b = to_sheet(kit, l.x2, l.y2);
    file.line(a.x, a.y, b.x, b.y, 0, 2);
}

void sheet_text(DrawingFile& file, const FigureKit& kit, double x, double y, int angle,
                std::string_view text) {
    const PagePoint p = to_sheet(kit, x, y);
    file.text(p.x, p.y, kit.text_height, kit.text_width, angle, AngleField::padded, 2, text);
}

// Half the printed width of a text of b bytes, in whole page units.
int text_span(const FigureKit& kit, const std::string& text) {
    return label_cells(text) * kit.text_width / 2;
}

void draw_sea_seabed(DrawingFile& file, const FigureKit& kit, const WaveConditionRecord& rec,
                     double seabed) {
    sheet_line(file, kit, rec.sea_seabed);
    const int w = kit.text_width;
    const int x = rec.sea_seabed.x2 + 2 * w;
    const int y = rec.sea_seabed.y2;
    sheet_text(file, kit, x, y, 0, format_text("D.L. %+1.2f", seabed));
    draw_hatching(file.stream(), sheet_transform(kit), x, y, 0.0);
}

void draw_land_seabed(DrawingFile& file, const FigureKit& kit, const WaveConditionRecord& rec,
                      double seabed) {
    sheet_line(file, kit, rec.land_seabed);
    const std::string text = format_text("D.L. %+1.2f", seabed);
    const int w = kit.text_width;
    const int x2 = rec.land_seabed.x2;
    const int y = rec.land_seabed.y2;
    sheet_text(file, kit, x2 - 2 * w - text_span(kit, text), y, 0, text);
    draw_hatching(file.stream(), sheet_transform(kit), x2 - 2 * w - kLandHatchingInset, y, 0.0);
}

void draw_crest_label(DrawingFile& file, const FigureKit& kit, const WaveConditionRecord& rec,
                      const WaveReport& report) {
    const char* format = report.system_switch == 0 ? "矢板天端 %+1.2f" : "上部工天端 %+1.2f";
    const std::string text = format_text(format, report.crest);
    const double w = kit.text_width;
    const double x = rec.wall.x1;
    const double y = rec.wall.y1;
    sheet_line(file, kit,
               FigureLine{static_cast<int>(x + w),
                          static_cast<int>(x + w + text_span(kit, text) + w), static_cast<int>(y),
                          static_cast<int>(y)});
    sheet_text(file, kit, x + 1.5 * w, y, 0, text);
}

// A tide level's mark on its line and its text after the mark.
struct TideLabel {
    double mark_x = 0.0;
    double text_x = 0.0;
    double y = 0.0;
    std::string text;
    LabelBox mark;
    LabelBox text_box;
};

TideLabel tide_label(const FigureKit& kit, const FigureLine& line, std::string text, double shift) {
    TideLabel label;
    label.mark_x = line.x2 + 2.0 * kit.text_width + shift;
    label.text_x = line.x2 + 3.5 * kit.text_width + shift;
    label.y = line.y2;
    label.text = std::move(text);
    label.mark = water_mark_box(label.mark_x, label.y);
    label.text_box = text_box(kit, label.text_x, label.y, label.text);
    return label;
}

bool labels_meet(const TideLabel& a, const TideLabel& b) {
    return boxes_overlap(a.mark, b.mark) || boxes_overlap(a.mark, b.text_box) ||
           boxes_overlap(a.text_box, b.mark) || boxes_overlap(a.text_box, b.text_box);
}

// The labels of the tide levels drawn. Levels closer than a text's height
// would print their marks and texts over one another: from the highest level
// down, a label that meets one placed before moves along its own line toward
// the wall, half a cell at a time, until it stands clear (it stays where it
// was wanted when the line holds no clear place).
std::array<TideLabel, kTideLevelCount>
place_tide_labels(const FigureKit& kit, const WaveConditionRecord& rec, const InputRecord& input) {
    std::array<TideLabel, kTideLevelCount> labels{};
    std::vector<int> order;
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (!tide_level_drawn(input, k)) continue;
        const std::string name = escape_user_text(report_level_name(input, k));
        labels[k] = tide_label(kit, rec.tide_lines[k],
                               name + format_text(" %+1.2f", tide_level_of(input, k)), 0.0);
        order.push_back(k);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return labels[a].y < labels[b].y; });
    const double step = kit.text_width / 2.0;
    for (std::size_t i = 1; i < order.size(); ++i) {
        const FigureLine& line = rec.tide_lines[order[i]];
        auto meets_placed = [&](const TideLabel& label) {
            for (std::size_t j = 0; j < i; ++j)
                if (labels_meet(label, labels[order[j]])) return true;
            return false;
        };
        TideLabel& label = labels[order[i]];
        for (double shift = step; meets_placed(label); shift += step) {
            TideLabel moved = tide_label(kit, line, label.text, shift);
            if (moved.text_box.right > std::max(line.x1, line.x2)) break;
            if (!meets_placed(moved)) label = moved;
        }
    }
    return labels;
}

// The tide lines with their marks and texts; a line gives way behind the
// marks and texts of the other levels that it would strike through.
void draw_tide_lines(DrawingFile& file, const FigureKit& kit, const WaveConditionRecord& rec,
                     const InputRecord& input) {
    const std::array<TideLabel, kTideLevelCount> labels = place_tide_labels(kit, rec, input);
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (!tide_level_drawn(input, k)) continue;
        const FigureLine& l = rec.tide_lines[k];
        std::vector<LabelBox> others;
        for (int other = 0; other < kTideLevelCount; ++other) {
            if (other == k || !tide_level_drawn(input, other)) continue;
            others.push_back(labels[other].mark);
            others.push_back(labels[other].text_box);
        }
        const InkLine whole{{static_cast<double>(l.x1), static_cast<double>(l.y1)},
                            {static_cast<double>(l.x2), static_cast<double>(l.y2)}};
        for (const InkLine& piece : line_pieces_outside(whole, others)) {
            const PagePoint a = to_sheet(kit, piece.a.x, piece.a.y);
            const PagePoint b = to_sheet(kit, piece.b.x, piece.b.y);
            file.line(a.x, a.y, b.x, b.y, 0, 2);
        }
        const TideLabel& label = labels[k];
        const PagePoint mark = to_sheet(kit, label.mark_x, label.y);
        draw_water_mark(file.stream(), sheet_transform(kit), static_cast<int>(mark.x),
                        static_cast<int>(mark.y));
        sheet_text(file, kit, label.text_x, label.y, static_cast<int>(kit.sheet_angle), label.text);
    }
}

void draw_layer_lines(DrawingFile& file, const FigureKit& kit, const WaveConditionRecord& rec,
                      const InputRecord& input) {
    const double seabed = input.tjkn1.construction_seabed;
    const int w = kit.text_width;
    const int angle = static_cast<int>(kit.sheet_angle);
    bool first = true;
    for (int j = 0; j < land_layer_count(input); ++j) {
        const double bottom = layer_bottom(input, j);
        if (!(bottom < seabed - kBelowSeabed)) continue;
        const std::string text = format_text("%+1.2f", bottom);
        const FigureLine& l = rec.boundaries[j + 1];
        sheet_line(file, kit, l);
        sheet_text(file, kit, l.x1 + 2 * w, l.y1, angle, text);
        sheet_text(file, kit, l.x2 - 2 * w - text_span(kit, text), l.y2, angle, text);
        SoilLabelPlace place;
        place.x_top = rec.wall.x1;
        place.y_top = first ? rec.land_seabed.y1 : rec.boundaries[j].y1;
        place.x_bottom = rec.wall.x1;
        place.y_bottom = l.y1;
        draw_soil_label(file, kit, input, SoilSide::land, j, place);
        first = false;
    }
}

} // namespace

void check_wave_condition_scale(const WaveReport& report) {
    FigureKit kit = report.kit;
    set_wave_condition_layout(kit);
    fit_wave_condition_scale(kit, report);
}

void write_wave_condition_figure(WaveReport& report) {
    FigureKit& kit = report.kit;
    set_wave_condition_layout(kit);
    const WaveConditionRecord rec = fit_wave_condition_scale(kit, report);
    const InputRecord& input = report.input;
    const double seabed = input.tjkn1.construction_seabed;

    DrawingFile file(kWaveConditionFigure, "設計条件図", kDrawingColumns, kDrawingLines);
    draw_figure_frame(file, kit, "（設計条件図）", false);
    const int xs[2] = {rec.wall.x1, rec.wall.x2};
    const int ys[2] = {rec.wall.y1, rec.wall.y2};
    draw_model_line(file, kit, xs, ys);
    draw_sea_seabed(file, kit, rec, seabed);
    draw_land_seabed(file, kit, rec, seabed);
    draw_crest_label(file, kit, rec, report);
    draw_tide_lines(file, kit, rec, input);
    draw_layer_lines(file, kit, rec, input);
    file.close();
}

} // namespace wtn
