// The wave-load drawing HMOMNTZ?.PZK of a wave chapter: the wave-pressure
// diagram beside the wall with the numbers of the force pieces, the levels of
// its boundaries and its intensities, a WAVE arrow below it, the still-water
// triangle to its left when the still-water pressure is included, and a
// sketch of the resultant P with its lever arm h and the levels.
#pragma once

#include "figure_points.h"
#include "wave_report.h"

#include <array>
#include <string>

namespace wtn {

// Page points of the drawing, set by the fit and mapping of one block.
struct WaveLoadRecord {
    FigurePoint wall_crest;     // the wall at the crest
    FigurePoint wall_seabed;    // at the construction-stage seabed
    FigurePoint wall_resultant; // at the resultant's level (seabed + lever arm)
    FigurePoint wall_tide;      // at the still-water level
    // Corners of segment i: at its top (row i's level, minus its upper
    // intensity) and at its bottom (row i + 1's level, minus its lower
    // intensity); row n has only its top corner.
    std::array<FigurePoint, kWaveRowRoom> top_corner{};
    std::array<FigurePoint, kWaveRowRoom> bottom_corner{};
    std::array<FigurePoint, kWaveForceRoom> force_number{};
    // The still-water triangle: its top at the wall on the still-water level,
    // its bottom corner at -p_s on the seabed, and its force's number point.
    FigurePoint still_top;
    FigurePoint still_bottom;
    FigurePoint still_number;
    double x_left = 0.0;        // smallest X of the wave diagram's corners
    double wave_centre_x = 0.0; // page X of the wave diagram's model origin
};

// Stops with error 57 or 63 as the drawing of the block would, before any
// page is written.
void check_wave_load_scale(const WaveReport& report, const ReportedBlock& reported);

// Writes HMOMNTZ%1d.PZK of the block (case + 2 x ordinal) and returns its
// name. Stops with error 57 when the diagram has no value range, 63 when it
// has no level range.
std::string write_wave_load_figure(WaveReport& report, const ReportedBlock& reported);

} // namespace wtn
