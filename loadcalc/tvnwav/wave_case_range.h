// The cases the construction-stage chain computes and reports, shared by the
// wave calculation and the wave-pressure report.
#pragma once

namespace wtn {

// Cases first .. end - 1, 0 normal and 1 seismic.
struct CaseRange {
    int first = 0;
    int end = 1;
};

// With system switch 1 the cases follow the completed-state case switch
// (1 normal only, 2 seismic only, any other value both); with any other
// system switch only the normal case is computed.
CaseRange wave_case_range(int system_switch, int completed_cases);

// GAIRYOK.DAT mode of the construction stage: 2 when the system switch is not
// 0, else 1.
int wave_gairyok_mode(int system_switch);

} // namespace wtn
