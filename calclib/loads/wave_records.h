// Records of the construction-stage wave calculation of one tide level and
// case: the wave data, the values of Goda's or the Kuroda / Hiroi (Morihira)
// formulas, the pressure diagram down the wall face, the force pieces, the
// still-water pressure (a triangle piece, PressureSegment, like the force
// pieces) and the resultant. TVNWAV fills them and writes them to
// WAV_DATA.PRN; the wave-pressure report reads them back.
// Levels are elevations in m, depths and heights m, pressures kN/m2,
// forces kN/m, moments kN*m/m, angles degrees.
#pragma once

#include "input_record.h"
#include "pressure_segments.h"

#include <array>
#include <string>

namespace wtn {

// Room of the pressure diagram: 15 rows, so at most 14 segments.
inline constexpr int kWaveRowRoom = 15;
// Room for the force pieces of one tide level and case.
inline constexpr int kWaveForceRoom = 30;

// Tide levels (kTideHhwl .. kTideUser of the input record) are examined in
// that order.
// Cases: 0 normal, 1 seismic. The wave values do not depend on the case.
inline constexpr int kCaseNormal = 0;
inline constexpr int kCaseSeismic = 1;
// The case words of the labels in the force file and WAV_DATA.PRN.
inline constexpr const char* kCaseWords[2] = {"常時", "地震時"};

// The heading of a tide level and case in the force file and WAV_DATA.PRN:
// "#  ", the level's name, two spaces and the case word.
inline std::string wave_block_label(const char* level_name, int case_index) {
    return std::string("#  ") + level_name + "  " + kCaseWords[case_index];
}

// Wave data of one tide level.
struct WaveCommon {
    double wave_height = 0.0;        // H: wave height used for the pressure
    double significant_height = 0.0; // H1/3
    double tide_level = 0.0;         // eta0: the still-water level of the tide
    double depth_h = 0.0;            // h: water depth in front of the wall
    double depth_h_dash = 0.0;       // h': depth of the lower limit of the wave pressure
    double depth_d = 0.0;            // d: depth above the toe works or mound cover
    double incidence_angle = 0.0;    // beta, degrees
    double wave_length = 0.0;        // L
    double water_unit_weight = 0.0;  // w0, kN/m3
};

struct GodaValues {
    double breaking_depth = 0.0; // h_b: depth 5 H1/3 seaward of the wall
    double crest_height = 0.0;   // eta*: height above the tide where the pressure vanishes
    double p1 = 0.0;             // pressure at the tide level
    double p2 = 0.0;             // pressure at the depth h
    double p3 = 0.0;             // pressure at the depth h'
    double alpha1 = 0.0;
    double alpha2a = 0.0;  // first expression of alpha2
    double alpha2b = 0.0;  // second expression of alpha2, 2d/H
    double alpha2 = 0.0;   // the adopted (smaller) one
    int alpha2_choice = 0; // 0 alpha2a adopted, 1 alpha2b
    double alpha3 = 0.0;
};

struct KurodaHiroiValues {
    int breaking = 0;               // 1 breaking wave, 0 standing wave
    int wide_angle = 0;             // 1 when beta exceeds 45 degrees
    double depth_used = 0.0;        // D: h or d
    double pressure = 0.0;          // p: standing-wave band pressure or breaking-wave pressure
    double pressure_at_tide = 0.0;  // p_s: standing wave, at the tide level
    double pressure_at_depth = 0.0; // p_b: standing wave, at the depth D
    double level_rise = 0.0;        // delta0: standing wave, rise of the mean water level
};

// One row of the pressure diagram: the segment from its level down to the
// next row's level. The pressure may jump at a row.
struct WaveLayerRow {
    // How the force calculation cut the segment: -1 not into triangles (or
    // outside the loaded part), 1 as a segment above the tide level, 0 as one
    // at or below it.
    int kind = 0;
    double level = 0.0;
    double height = 0.0; // level minus the next row's level
    double top = 0.0;    // pressure at the row's level
    double bottom = 0.0; // pressure at the next row's level, seen from this segment
};

// The diagram of one tide level and case: rows 0..count in use, row count is
// the bottom boundary.
struct WaveDiagram {
    std::array<WaveLayerRow, kWaveRowRoom> rows{};
    int count = 0;             // segments
    int wall_top_row = -1;     // row at the wall top, -1 when none
    int h_dash_row = -1;       // row at the h' level, -1 when none
    int first_loaded_row = -1; // first row whose top pressure is above 0
};

// The rectangles and triangles of the loaded diagram.
using WaveForces = RowTable<PressureSegment, kWaveForceRoom>;

struct WaveResultant {
    double wave_force = 0.0;  // sum of the wave-piece forces
    double wave_moment = 0.0; // sum of their moments
    double total_force = 0.0; // still water plus waves
    double total_moment = 0.0;
    double resultant_height = 0.0; // above the construction seabed
};

} // namespace wtn
