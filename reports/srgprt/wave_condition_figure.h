// The design-condition drawing W_JOKENZ.PZK of the construction stage: the
// wall from the crest to the lowest soil level, the construction-stage
// design seabed on both sides with its level and the ground hatching, the
// crest label, the tide levels drawn, and the land-side layers below the
// seabed with their boundary levels and property labels.
#pragma once

#include "figure_points.h"
#include "wave_report.h"

#include <array>

namespace wtn {

inline constexpr const char* kWaveConditionFigure = "W_JOKENZ.PZK";

// Page points of the drawing.
struct WaveConditionRecord {
    FigureLine wall;       // crest to lowest soil level
    FigureLine sea_seabed; // wall to the window's left edge
    // Boundary line i across the window at the top of land layer i; the line
    // after the last layer at the lowest soil level.
    std::array<FigureLine, kMaxSoilLayerRows + 1> boundaries{};
    std::array<FigureLine, kTideLevelCount> tide_lines{}; // the levels drawn only
    FigureLine land_seabed;                               // wall to the right edge
};

// Stops with error 63 as the drawing would, before any page is written.
void check_wave_condition_scale(const WaveReport& report);

// Writes W_JOKENZ.PZK. Stops with error 63 when the crest, the lowest soil
// level and the tide levels drawn span no height.
void write_wave_condition_figure(WaveReport& report);

} // namespace wtn
