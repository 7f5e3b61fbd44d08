// The chapter "検討結果のまとめ" after the last stability chapter: per
// examined tide level a table for each switched-on check (bending stress,
// the steel-pipe stresses, displacement, subgrade reaction at the virtual
// seabed) with the computed and the allowable values and a ○ / × verdict,
// then the required toe elevations; when no verdict is ×, the sheet pile to
// use and its length, with a note beside the adopted values when they fall
// short of the required tip or length.
#pragma once

#include "report_state.h"

#include <string>

namespace wtn {

// "JD999MTM.PDT" in the completed state, "JW999MTM.PDT" in the construction stage.
std::string summary_file_name(int study_mode);

// Writes the summary from the loaded work-file blocks and the base lines of
// the last force section read of each case.
void write_summary(const StabilityReport& report);

} // namespace wtn
