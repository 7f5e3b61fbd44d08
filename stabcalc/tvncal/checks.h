// The checks of a computed case against the allowables, with their OK/NG
// flags, and the secondary (ring) stress of a steel-pipe wall at the depth of
// the maximum moment.
#pragma once

#include "stability_run.h"
#include "stability_switches.h"

#include <vector>

namespace wtn {

// The sections (0, 1, 2) and states (0, 1) checked under a corrosion case flag.
std::vector<int> checked_sections(int corrosion_flag);
std::vector<int> checked_states(int corrosion_flag);

// The steel-pipe check: completed state, steel pipes, secondary stress examined.
bool steel_pipe_check_on(const StabilityRun& run);

// Values and flags of level l and case j into CaseResultBlock.
void set_check_flags(StabilityRun& run, int level, int j);

// True when a switched-on check of the levels and cases studied failed.
bool any_check_failed(const StabilityRun& run);

// Secondary stress (N/mm2) of the pipe of candidate dimensions d, t (mm)
// corroded by t1, t2 (mm) at depth below the reference level of case j, from
// the net pressure of the diagram there; index 0 uncorroded, 1 seabed-mud
// corrosion; its search into PipeStressBlock. Stops when the depth lies
// outside the diagram.
double find_lm_max(StabilityRun& run, int j, int index, double depth, double d, double t, double t1,
                   double t2);

// sqrt(s2^2 + s^2 - s s2) to one decimal, with the steel-pipe check on; else 0.
double combined_stress(const StabilityRun& run, double stress, double secondary);

// Secondary and combined stresses of case j into LevelSolverBlock, from the
// depths of the maximum moment of sections 0 and 2: the normal case computes
// them, the seismic case takes the normal case's secondary stresses.
void pipe_secondary_stresses(StabilityRun& run, int j, double depth_uncorroded,
                             double depth_corroded);

} // namespace wtn
