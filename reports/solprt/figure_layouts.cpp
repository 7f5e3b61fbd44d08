#include "figure_layouts.h"

#include "page_values.h"

#include <cmath>

namespace wtn {

namespace {

// Layout values of the figures that carry surcharge arrows.
constexpr double kLoadScale = 0.005;  // page units per kN/m2 of surcharge, before the fit
constexpr double kGroundReach = 10.0; // m of ground line drawn
constexpr double kArrowPitch = 100.0; // page units between surcharge arrows

void upright_frame(FigureKit& kit) {
    kit.frame.x1 = 0;
    kit.frame.x2 = kFrameWidth;
    kit.frame.y1 = 0;
    kit.frame.band_y = kTitleBandDepth;
    kit.frame.y2 = kFrameHeight;
    set_sheet_stage(kit, false);
}

void landscape_frame(FigureKit& kit) {
    kit.frame.x1 = 0;
    kit.frame.band_x = kTitleBandDepth;
    kit.frame.x2 = kFrameWidth;
    kit.frame.y1 = kFrameHeight;
    kit.frame.y2 = 0;
    set_sheet_stage(kit, true);
}

void set_window(FigureKit& kit, double x1, double x2, double y1, double y2) {
    kit.win_x1 = x1;
    kit.win_x2 = x2;
    kit.win_y1 = y1;
    kit.win_y2 = y2;
}

void no_model_rotation(FigureKit& kit) {
    kit.model_cos = 1.0;
    kit.model_sin = 0.0;
}

void surcharge_values(FigureKit& kit) {
    kit.load_scale = kLoadScale;
    kit.ground_reach = kGroundReach;
    kit.arrow_pitch = kArrowPitch;
}

// The upright ground figures: the land side fills a band at the right of the
// window; the sea side runs out to its left edge. The window's top edge is
// where the figure's title leaves room.
void upright_ground_layout(FigureKit& kit, int window_top) {
    upright_frame(kit);
    no_model_rotation(kit);
    set_window(kit, 100, 3800, window_top, 5700);
    kit.text_height = 70;
    kit.text_width = 75;
    kit.fit_width = (kit.win_x2 - kit.win_x1) - 1700;
    kit.fit_height = kit.win_y2 - kit.win_y1;
    kit.fit_anchor_x = (kit.win_x2 - kit.win_x1) - 900;
    kit.fit_anchor_y = (kit.win_y1 + kit.win_y2) / 2;
    kit.page_centre_x = (kit.win_x1 + kit.win_x2) / 2;
    kit.page_centre_y = kit.fit_anchor_y;
    surcharge_values(kit);
}

} // namespace

void set_condition_layout(FigureKit& kit) {
    upright_ground_layout(kit, 500);
}

void set_surcharge_layout(FigureKit& kit) {
    upright_ground_layout(kit, 900);
}

void set_surcharge_layout_landscape(FigureKit& kit) {
    landscape_frame(kit);
    no_model_rotation(kit);
    set_window(kit, 100, 5800, 900, 3800);
    kit.text_height = 70;
    kit.text_width = 75;
    kit.page_centre_x = (kit.win_x1 + kit.win_x2) / 2;
    kit.page_centre_y = (kit.win_y1 + kit.win_y2) / 2;
    surcharge_values(kit);
}

void set_pressure_layout(FigureKit& kit) {
    landscape_frame(kit);
    no_model_rotation(kit);
    set_window(kit, 100, 3580, 600, 3500);
    kit.text_height = 60;
    kit.text_width = 60;
}

void set_load_layout(const EarthPressureReport& report, int c, FigureKit& kit) {
    upright_frame(kit);
    no_model_rotation(kit);
    const double vs = report.common.seabed.data.level[static_cast<std::size_t>(c)];
    const bool on_design_seabed =
        std::abs(vs - report.input.joken.design_seabed) < kReportLevelTolerance;
    set_window(kit, on_design_seabed ? 1600 : 100, 3250, 500, 3500);
    kit.text_height = 60;
    kit.text_width = 60;
    surcharge_values(kit);
}

} // namespace wtn
