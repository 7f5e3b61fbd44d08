// The virtual seabed of a case: the level below the design seabed where the
// passive earth pressure of the sea side meets the land-side load (active earth
// pressure plus residual water pressure). Every meeting level is a candidate;
// the forces are taken above the chosen one and their moments about it.
// Levels in m, pressures kN/m2.
#pragma once

#include "pressure_diagram.h"
#include "virtual_seabed_data.h"

namespace wtn {

struct Crossing {
    double level = 0.0;
    double passive = 0.0;
};

// Whether the passive line meets the active line on a stretch that starts at
// level z and reaches dz below it (dz 0: a boundary, where both may jump).
// active and passive are the values at the start and at the end. Touching at
// an end or changing sides counts, in either direction. Level and value are
// rounded to 3 decimals.
bool crossing_in_segment(double z, double dz, const double active[2], const double passive[2],
                         Crossing& out);

// Collects the candidates of the merged diagram from its seabed row down.
// Stops the program when there is none, or more than the candidate room.
void find_virtual_seabed(const MergedDiagram& diagram, VirtualSeabedState& state);

// Records candidate index as the virtual seabed of case c, with the diagram
// rows and values around it.
void set_virtual_seabed(const MergedDiagram& diagram, int c, int index, VirtualSeabedState& state);

} // namespace wtn
