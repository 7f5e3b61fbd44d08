// The horizontal loads above the reference level that bend the free length
// of a cantilever sheet pile, one list for the stability calculation (which
// turns them into LoadItem rows of the head displacement) and for the
// stability report (which names them in its load table, row by row beside
// the stored LoadItem rows).
#pragma once

#include "force_case.h"
#include "input_record.h"
#include "wall_codes.h"

#include <vector>

namespace wtn {

// Where a load comes from, by the letter the load table names it with.
enum class CantileverLoadKind {
    InputForce,   // T: an other external force of the input ("etcjo" / "etcjs")
    DynamicWater, // W: a dynamic-water line of the seismic case
    StillWater,   // S: the still-water line of the construction stage
    ForceLine,    // H: a force line of the force file
};

struct CantileverLoad {
    CantileverLoadKind kind = CantileverLoadKind::ForceLine;
    int number = 0;       // 1, 2, ... within its kind
    double force = 0.0;   // kN/m
    double printed = 0.0; // the elevation of the point of action for T, else the height (m)
    double height = 0.0;  // above the reference level of the case (m)
};

// Room of the list: the input's other forces, the dynamic-water lines, the
// still-water line and the force lines.
inline constexpr int kMaxCantileverLoads =
    kMaxOtherForceRows + kMaxDynamicWaterLines + 1 + kMaxForceLines;

// The loads of case_index (0 normal, 1 seismic) in the order the head
// displacement adds them. Construction stage of study mode 1: the still-water
// line when "wav_t" is on. Otherwise (study modes 0 and 2): the case's other
// external forces of the input (height = elevation - reference level), then,
// in the completed state's seismic case with dynamic water, the
// dynamic-water lines. Always last the force file's force lines.
std::vector<CantileverLoad> cantilever_loads(const InputRecord& input, const ForceCase& force_case,
                                             int study_mode, int case_index);

} // namespace wtn
