// The cases the construction-stage chain computes and reports, shared by the
// wave calculation and the wave-pressure report.
#pragma once

#include "studied_cases.h"

namespace wtn {

// With system switch 1 the cases follow the completed-state case switch
// (completed_case_range); with any other system switch only the normal case
// is computed.
CaseRange wave_case_range(int system_switch, CompletedCases completed_cases);

// GAIRYOK.DAT mode of the construction stage: 2 when the system switch is not
// 0, else 1.
int wave_gairyok_mode(int system_switch);

} // namespace wtn
