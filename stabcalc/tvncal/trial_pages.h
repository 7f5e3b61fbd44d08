// The trial-result pages CTRAIAL0.PDT (completed state) and CTRAIAL1.PDT
// (construction stage) for the report viewer: a head, then for every computed
// candidate, tide level and case a page block with the section values and
// main results and one block per switched-on check.
#pragma once

#include "stability_run.h"

#include <cstdio>
#include <string>

namespace wtn {

// "CTRAIAL0.PDT" for the completed state, else "CTRAIAL1.PDT".
const char* trial_page_file(int file_mode);

// The comparison mark and verdict of a check flag: " ≦ " and "OK ", or
// " ＞ " and "OUT".
struct CheckMarks {
    const char* mark;
    const char* verdict;
};
CheckMarks check_marks(int flag);

// Title, run stamp and title template.
void write_trial_head(std::FILE* file, const StabilityRun& run);

// The page block of candidate k, level and case j, after set_check_flags of
// the same level and case.
void write_trial_page(std::FILE* file, const StabilityRun& run, int k, int level, int j,
                      const std::string& label);

} // namespace wtn
