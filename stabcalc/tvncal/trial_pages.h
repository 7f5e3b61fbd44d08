// The trial-result pages CTRAIAL0.PDT (completed state) and CTRAIAL1.PDT
// (construction stage) for the report viewer: a head, then for every computed
// candidate, tide level and case a page block with the section values and
// main results and one block per switched-on check.
#pragma once

#include "check_marks.h"
#include "page_file.h"
#include "stability_run.h"

#include <memory>
#include <string>

namespace wtn {

// "CTRAIAL0.PDT" for the completed state, else "CTRAIAL1.PDT".
const char* trial_page_file(int file_mode);

// Creates the page file of the run's stage with its title, run stamp and
// title block. Stops with the trial-page message when it cannot be created.
std::unique_ptr<PageFile> open_trial_pages(const StabilityRun& run);

// The page block of candidate (index into run.candidates), tide level and
// case, after set_check_flags of the same level and case.
void write_trial_page(PageFile& pages, const StabilityRun& run, int candidate, int level,
                      int case_index, const std::string& label);

} // namespace wtn
