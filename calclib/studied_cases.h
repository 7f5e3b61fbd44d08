// The cases of the completed state that the case switch ("swdat" item 6)
// selects, and the input values the switches make meaningless. The load, wave
// and stability programs all take them from here.
#pragma once

#include "input_record.h"

namespace wtn {

// Cases first .. end - 1, 0 normal and 1 seismic.
struct CaseRange {
    int first = 0;
    int end = 0;
};

// The normal case only, the seismic case only, or, for any other value of
// the switch, both.
CaseRange completed_case_range(CompletedCases completed_cases);

// Clears the ground-surface angle of the embankment shape and the surcharge
// of a case that is not studied.
void normalise_case_inputs(InputRecord& input);

} // namespace wtn
