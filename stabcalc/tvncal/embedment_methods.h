// The embedment methods of CalcSwitches item 2 and what the trial does per
// case with the chosen one: allocate its areas, run its solver, release them.
//   1 Chang's method                          solve_chang
//   2 Chang's method for multi-layer ground   transfer matrices
//   3 C-type ground                           port-research-institute curves
//   4 C-type ground for multi-layer ground    transfer matrices
//   5 S-type ground                           port-research-institute curves
#pragma once

#include "stability_run.h"

namespace wtn {

// The method's name as the reports print it; empty outside 1 to 5.
const char* embedment_method_name(EmbedmentMethod method);

// Stops the program with a message, before anything is computed, for a
// method this program cannot compute.
void check_embedment_method(EmbedmentMethod method);

// Allocates the method's areas for case j from the force case just read.
void allocate_case_areas(StabilityRun& run, int j);
// Runs the method's solver for case j of the candidate being tried.
void solve_case(StabilityRun& run, int j);
// Releases the areas after the case has been written.
void release_case_areas(StabilityRun& run);

} // namespace wtn
