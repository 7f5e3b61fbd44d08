// The stability chapter of the port-research-institute methods (embedment
// methods 3, C-type ground, and 5, S-type ground): how TVNCAL went through
// the standard curves (the scaled inputs and their logarithms, the curve
// parameter, the two bracketing curve rows and the readings, each result
// as a reading plus a logarithmic term), then the shared stress,
// steel-pipe, displacement and virtual-seabed pages and the required
// embedment length. Nothing is recomputed.
#pragma once

#include "page_file.h"
#include "report_state.h"

namespace wtn {

// Writes the chapter of the case and tide level ("JD%d03KKN.PDT" or
// "JW%d03KKN.PDT"); the method of the report tells C-type from S-type.
void write_koken_report(const StabilityReport& report, int case_index, int level_index);

// The chapter's blocks, for the states the corrosion case shows (before
// corrosion and, with corrosion, the seabed-mud state).
void write_koken_ground_pages(PageFile& page, const StabilityReport& report, int case_index);
void write_koken_curve_pages(PageFile& page, const StabilityReport& report, int case_index);
void write_koken_moment_pages(PageFile& page, const StabilityReport& report, int case_index);
void write_koken_head_pages(PageFile& page, const StabilityReport& report, int case_index);
// β of the steel-pipe position calculation (normal case only): returns
// item_no + 1, or item_no unchanged for the seismic case.
int write_lmmax_beta_pages(PageFile& page, const StabilityReport& report, int case_index,
                           int item_no);
// l1 and the required embedment length L = 1.5 l1, and the decisive L.
void write_koken_embedment_pages(PageFile& page, const StabilityReport& report, int case_index,
                                 int item_no);

} // namespace wtn
