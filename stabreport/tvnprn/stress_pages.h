// The pages that compare the bending of the decided pile with its allowable
// value, shared by every stability chapter: the stress check of a steel
// pile, the moment check of a concrete pile, and for a steel pipe pile the
// secondary-stress check (depth of the maximum moment, earth-pressure
// difference there, ring stress, combined stress). The values are those
// TVNCAL stored; the pages only compare, choose texts and take absolute
// values.
#pragma once

#include "page_file.h"
#include "report_state.h"

#include <array>

namespace wtn {

// Each writer appends its block to the open chapter with item_no in its
// heading and returns item_no + 1, or item_no unchanged when it writes
// nothing (the stress check digit off, or a normal-case page asked for the
// seismic case).

// Steel piles, when the stress check is on: σ = |M| / Z per section state.
int write_stress_check_page(PageFile& page, const StabilityReport& report, int case_index,
                            int item_no);
// Concrete piles, when the stress check is on: |M| against the cracking
// moment Mγ, or against 2·Mγ where the allowable is twice it.
int write_cracking_moment_page(PageFile& page, const StabilityReport& report, int case_index,
                               int item_no);

// Steel pipe piles. The depth of the maximum moment below the virtual seabed
// from β of each section state (normal case only).
int write_lmmax_position_page(PageFile& page, const StabilityReport& report, int case_index,
                              int item_no, const PerSection& betas);
// The earth-pressure difference at that depth, read at a row of the
// difference table or interpolated between two (normal case only).
int write_lmmax_pressure_page(PageFile& page, const StabilityReport& report, int case_index,
                              int item_no);
// The ring (secondary) stress of the pipe wall (normal case only).
int write_secondary_stress_page(PageFile& page, const StabilityReport& report, int case_index,
                                int item_no);
// The combined stress of bending and ring stress (both cases).
int write_combined_stress_page(PageFile& page, const StabilityReport& report, int case_index,
                               int item_no);

// True when a chapter of the case carries the steel-pipe pages: the
// completed state, not the seismic case alone, a steel pipe pile and its
// secondary-stress check switched on.
bool steel_pipe_pages_on(const StabilityReport& report);

} // namespace wtn
