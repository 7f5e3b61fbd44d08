// The inputs of the stability programs after normalisation, and the cases and
// tide levels they run. TVNCAL and TVNPRN both walk the tide levels and, in
// each, the cases of these ranges, in this order: the records of NEIRE.PRN
// and NEIRE_TL.PRN lie in the same order.
#pragma once

#include "force_case.h"
#include "input_record.h"
#include "result_areas.h"
#include "studied_cases.h"
#include "tide_level_switches.h"

#include <string>
#include <vector>

namespace wtn {

// Clears what the switches make meaningless: the ground-surface angle of the
// embankment shape, and the surcharge of a case that is not studied. Sets the
// joint-efficiency flag of results to 1 when a joint-efficiency factor
// differs from 1.0 by 0.001 or more, else 0. Call it after the input, the
// adopted values and the force file have been read.
void normalise_stability_inputs(InputRecord& input, StabilityResults& results);

// The cases studied: the construction stage of file mode 1 has the normal
// case only; otherwise swdat item 6 chooses (completed_case_range).
CaseRange stability_case_range(const InputRecord& input, int file_mode);

// The tide levels studied. The completed state has one pass without a tide
// level (count 1, no names); the construction stage has every level whose
// examine switch is not 2, in the order H.H.W.L., H.W.L., L.W.L. and the
// user-named level, with their names. Level i of the range is the i-th
// studied level; levels[i] is its index into the tide-level tables.
struct TideLevelRange {
    int first = 0;
    int count = 0;
    std::vector<std::string> names;
    std::vector<int> levels;
};
TideLevelRange tide_level_range(const InputRecord& input, int file_mode);

} // namespace wtn
