// Reader of the force file GAIRYOK.DAT that the load programs write and the
// stability programs read: a mode line (0 completed state, 1 or 2
// construction stage), then one section per case (and, in the construction
// stage, per examined tide level):
//   "#..." naming line; start index, n, K;
//   n layer rows of two lines ("level,thickness,phi,option" and
//   "N,N-from-cohesion,kh"); K force lines "lever arm,force";
//   totals "force,moment,lever arm"; base "level,pressure";
//   construction stage: the still-water line when "wav_t" is 1;
//   completed state: the dynamic-water count and lines (seismic case under
//   the conditions of has_dynamic_water_lines), then "m,k", m active
//   diagram rows and m passive rows (level, top, bottom).
// The reader checks every count against its room and every line against
// the end of the file; a malformed file stops the program (exit code 1)
// rather than shifting every later section.
#pragma once

#include "input_record.h"
#include "text_lines.h"
#include "value_lines.h"

#include <array>
#include <cstdio>

namespace wtn {

inline constexpr const char* kForceFileName = "GAIRYOK.DAT";

inline constexpr int kMaxForceLayerRows = 25;
inline constexpr int kMaxForceLines = 50;
// Dynamic-water pieces of the deepest water the completed-state load program
// accepts (100 m in steps of 0.5 m, up to two pieces a step).
inline constexpr int kMaxDynamicWaterLines = 400;
inline constexpr int kMaxDiagramRows = 35;
// The mode line of GAIRYOK.DAT: 0 completed state, 1 and 2 construction
// stage (2 when the superstructure crown tops the wave diagram).
inline constexpr int kCompletedStateMode = 0;
inline constexpr int kConstructionStageMode = 1;
inline constexpr int kConstructionCrownMode = 2;
inline constexpr int kForceFileModeCount = 3; // modes 0, 1 and 2

// One boundary of the side's layer list; the bottom boundary carries only
// its level.
struct ForceLayerRow {
    double level = 0.0;          // elevation of the boundary (m)
    double thickness = 0.0;      // thickness of the layer below it (m)
    double friction_angle = 0.0; // φ (rad)
    int resistance_option = 0;   // 1 constant given directly, 2 to 4 derived from N
    double n_value = 0.0;        // N value
    int n_from_cohesion = 0;     // 1 when the N value was derived from the cohesion
    double kh = 0.0;             // lateral resistance constant (kN/m3)
};

// The two lines of a layer row, as the load programs write them to the force
// file and the stability program to SJOKEN.DAT: "level,thickness,phi,option"
// and "N,N-from-cohesion,kh" (value_lines.h).
template <class Io, class R> constexpr void force_layer_values_1(Io& io, R& r) {
    io.field(r.level);
    io.field(r.thickness);
    io.field(r.friction_angle);
    io.field(r.resistance_option);
}

template <class Io, class R> constexpr void force_layer_values_2(Io& io, R& r) {
    io.field(r.n_value);
    io.field(r.n_from_cohesion);
    io.field(r.kh);
}

inline constexpr int kForceLayerValues1 = value_count<ForceLayerRow>(force_layer_values_1);
inline constexpr int kForceLayerValues2 = value_count<ForceLayerRow>(force_layer_values_2);
static_assert(kForceLayerValues1 == 4 && kForceLayerValues2 == 3);

// Writes both lines of a layer row.
void write_force_layer_row(std::FILE* file, const ForceLayerRow& row);

// A horizontal force and its lever arm above the section's base level.
struct ForceLine {
    double lever_arm = 0.0; // m
    double force = 0.0;     // kN/m
};

// The base line of a section: the virtual-seabed level and the passive
// pressure there (completed state), or the construction-stage design seabed
// and 0.0.
struct ForceBase {
    double level = 0.0;    // m
    double pressure = 0.0; // kN/m2
};

struct ActiveDiagramRow {
    double level = 0.0;  // m
    double top = 0.0;    // pressure at the top of the row's segment (kN/m2)
    double bottom = 0.0; // at its bottom
};

struct PassiveDiagramRow {
    double top = 0.0; // kN/m2, at the level of the same active row
    double bottom = 0.0;
};

// The section last read, kept by the stability programs for the case being
// computed. The base lines are kept per case (0 normal, 1 seismic): each
// holds the last section read of its case.
struct ForceCase {
    int start_index = -1; // layer row at (or just above) the base level; -1 none
    int layer_count = 0;  // n
    int force_count = 0;  // K
    std::array<ForceLayerRow, kMaxForceLayerRows> layers{};
    std::array<ForceLine, kMaxForceLines> forces{};
    double total_force = 0.0;  // P, kN/m
    double total_moment = 0.0; // M about the base level, kN·m/m
    double lever_arm = 0.0;    // h0 = M / P, m
    std::array<ForceBase, 2> base{};
    ForceLine still_water; // construction stage with the static water pressure
    int dynamic_count = 0; // D; 0 when the section has no dynamic-water lines
    std::array<ForceLine, kMaxDynamicWaterLines> dynamic_water{};
    int diagram_rows = 0;       // m (completed state)
    int diagram_seabed_row = 0; // k: the diagram row at the design seabed
    std::array<ActiveDiagramRow, kMaxDiagramRows> active{};
    std::array<PassiveDiagramRow, kMaxDiagramRows> passive{};
};

// True when a completed-state section of the case carries dynamic-water
// lines: the seismic case, the apparent seismic coefficient by
// 荒井・横井の提案式 ("neire" item 10 = 3), dynamic water pressure
// considered ("nir_t" item 1 = 1) and the L.W.L. above the design seabed.
bool has_dynamic_water_lines(const InputRecord& input, int case_index);

// Reads the mode line. Stops the program when the file is empty or the
// mode is not 0, 1 or 2.
int read_force_file_mode(LineReader& file);

// Stops the program, naming the file, when a line other than a blank one
// is left after the last section the reader expected: the file holds more
// (or other) sections than the input asks for.
void check_force_file_end(LineReader& file);

// Reads the next section of the open force file into force_case for the
// case (0 normal, 1 seismic). file_mode is the mode line's value. Stops the
// program when the section does not start at its naming line, a count or
// switch is not a whole integer or is outside its room, or a line is missing,
// too short or another section's naming line.
void read_force_case(LineReader& file, int case_index, int file_mode, const InputRecord& input,
                     ForceCase& force_case);

} // namespace wtn
