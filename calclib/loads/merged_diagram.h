// The merged pressure diagram of a case as the load tables hold it: the
// land-side load (adopted active earth pressure and residual water pressure)
// from the superstructure crown down to the bottom of the layers, and the
// sea-side passive earth pressure from the design seabed down, standing at
// the same levels from the seabed row on.
// Levels are elevations in m, pressures kN/m2.
#pragma once

#include "row_table.h"

namespace wtn {

inline constexpr int kDiagramRowRoom = 35;

// One row of the merged land-side diagram: the row reaches from its level down
// to the next row's level.
struct PressureRow {
    double level = 0.0;
    double active_top = 0.0;    // adopted active earth pressure at the level
    double active_bottom = 0.0; // ... at the next row's level
    double water_top = 0.0;     // residual water pressure at the level
    double water_bottom = 0.0;  // ... at the next row's level

    double total_top() const { return active_top + water_top; }
    double total_bottom() const { return active_bottom + water_bottom; }
};

// One row of a diagram of one value (passive, split and net diagrams).
struct DiagramRow {
    double level = 0.0;
    double top = 0.0;    // value at the level
    double bottom = 0.0; // value at the next row's level
};

using PressureRowTable = RowTable<PressureRow, kDiagramRowRoom>;
using DiagramTable = RowTable<DiagramRow, kDiagramRowRoom>;

// A layer boundary of one side with the pressure of the layer below it at its
// top and at its bottom, the next boundary's level: a diagram row. The last
// boundary of a side closes the layers.
using BoundaryPressure = DiagramRow;

struct MergedDiagram {
    PressureRowTable rows; // land side; residual water values filled separately
    DiagramTable passive;  // sea side from the design seabed down
    int seabed_row = -1;   // row of `rows` at the design seabed (k)
    int passive_start = 0; // row of `passive` at the design seabed
};

} // namespace wtn
