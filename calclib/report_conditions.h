// SJOKEN.DAT: the design values of the stability calculation that the report
// programs print but cannot derive themselves. TVNCAL writes it at the end of
// its run; SOLPRT reads the first four lines, SRGPRT all of them. One comma
// line each:
//   1  allowable stress normal, seismic (N/mm2); allowable head displacement
//      normal, seismic (cm)                                   "%lf,%lf,%lf,%lf"
//   2  N-value flag; average N value; increase of N with depth; lateral-
//      resistance constant of the port-research-institute methods
//                                                             "%d,%lf,%lf,%lf"
//   3  corrosion case flag (-1, 0, 1); user-entered pile flag "%d,%d"
//   4  the four corrosion allowances t1 sea, t1 mud, t2 sea, t2 mud (mm)
//                                                             "%lf,%lf,%lf,%lf"
//   5  construction stage only: first layer index and layer-row count "%d,%d",
//      then per layer row "%lf,%lf,%lf,%d" and "%lf,%d,%lf".
#pragma once

#include "force_case.h"
#include "result_areas.h"

#include <array>
#include <string>
#include <vector>

namespace wtn {

inline constexpr const char* kReportConditionsFile = "SJOKEN.DAT";
// Layer rows the construction-stage lines may carry (the rows of a force case).
inline constexpr int kReportLayerRoom = kMaxForceLayerRows;

struct ReportConditions {
    PerCase allowable_stress{};
    PerCase allowable_displacement{};
    int n_value_flag = 0;
    double n_value = 0.0;
    double n_value_increase = 0.0;
    double lateral_constant = 0.0;
    int corrosion_case = 0;
    int user_pile = 0;
    std::array<double, 4> corrosion_allowances{};
    // Line 5, present in the construction stage.
    bool has_layers = false;
    int layer_start = 0;
    std::vector<ForceLayerRow> layers;
};

// The conditions taken from the result blocks; in the construction stage
// (file_mode not 0) with the start row and the layer rows of force_case, the
// force case read last.
ReportConditions report_conditions_from(const StabilityResults& results, int file_mode,
                                        const ForceCase& force_case);

// Creates SJOKEN.DAT; stops with a message when it cannot be written.
void write_sjoken(const ReportConditions& conditions);

// Reads SJOKEN.DAT. The first four lines are always read; with_layers reads
// the construction-stage lines too. A missing file stops with the report
// programs' message "印字用ファイル(SJOKEN.DAT)がオープンできません."; a line
// that is missing or short, or a layer count beyond its room, stops with a
// message instead of leaving values unset.
ReportConditions read_sjoken(bool with_layers);

} // namespace wtn
