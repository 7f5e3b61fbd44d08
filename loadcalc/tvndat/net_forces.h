// Forces, moments and lever arm of a case above its virtual seabed: the net
// pressure (land-side active earth pressure plus residual water pressure less
// the passive earth pressure) cut into rectangles and triangles, and the other
// external forces of the input. Levels m, pressures kN/m2, forces kN/m,
// moments kN.m/m.
#pragma once

#include "input_record.h"
#include "net_pressure.h"
#include "pressure_diagram.h"
#include "virtual_seabed.h"

namespace wtn {

// Splits the merged and the passive diagram at every candidate that lies
// strictly inside a row's segment.
void split_at_candidates(const MergedDiagram& diagram, const VirtualSeabedState& seabed,
                         NetPressure& net);

// Net pressure of every split row; passive pressure above the seabed row is 0
// and never counts for more than the land-side load at the same level.
void net_pressure_table(const MergedDiagram& diagram, NetPressure& net);

// Moments of the other external forces of the case about the virtual seabed;
// starts the case's totals with their forces and moments.
void other_force_moments(const InputRecord& input, int c, double virtual_seabed, NetPressure& net,
                         ForceTotals& totals);

// Lever arm of a resultant: moment / force rounded to 3 decimals, 0 when there
// is no force (nothing acts, so no arm).
double lever_arm_of(double moment, double force);

// Records the piece sums of case c in its totals, adds them to the case's
// force and moment and sets its lever arm.
inline void add_segment_sums(CaseForceTotals& totals, int c, const SegmentSums& sums) {
    totals.segment_force[c] = sums.force;
    totals.segment_moment[c] = sums.moment;
    totals.force[c] += sums.force;
    totals.moment[c] += sums.moment;
    totals.lever_arm[c] = lever_arm_of(totals.moment[c], totals.force[c]);
}

// Cuts the net pressure above the virtual seabed into pieces and completes the
// case's totals.
void net_pressure_forces(int c, double virtual_seabed, NetPressure& net, ForceTotals& totals);

} // namespace wtn
