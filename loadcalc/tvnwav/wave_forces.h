// Forces of the wave-pressure diagram on the wall: the diagram from the wall
// top down to h' cut into rectangles and triangles, each with its force and
// its moment about the construction-stage design seabed; the still-water
// pressure from the tide level down to that seabed; and the resultant.
#pragma once

#include "wave_records.h"

namespace wtn {

// Fills still (all 0 when still_water_on is false) and starts the totals of
// resultant with it. seabed is the construction-stage design seabed.
void still_water_pressure(const WaveCommon& wave, bool still_water_on, double seabed,
                          PressureSegment& still, WaveResultant& resultant);

// Cuts the diagram between the wall-top row (row 0 when there is none) and the
// h' row (the bottom when there is none) into pieces, marks each cut row's
// kind, and completes resultant: the wave sums, the totals and the height of
// the resultant. A total force of 0 leaves no lever arm and stops the program.
void wave_forces(const WaveCommon& wave, double seabed, WaveDiagram& diagram, WaveForces& forces,
                 WaveResultant& resultant);

// One piece of the segment of row: values (0, top, 0, bottom) at levels (top,
// top, bottom, bottom). Unequal widths give two triangles, one per call: phase
// is 1 while the second is still to come. Equal widths give one rectangle;
// widths both below 0.001 give nothing.
void split_wave_trapezoid(const double values[4], const double levels[4], double seabed, int& phase,
                          WaveLayerRow& row, WaveForces& forces, WaveResultant& resultant);

} // namespace wtn
