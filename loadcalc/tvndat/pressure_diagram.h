// The merged pressure diagram of a case: the land-side load (adopted active
// earth pressure and residual water pressure) from the superstructure crown
// down to the bottom of the layers, and the sea-side passive earth pressure
// from the design seabed down, cut at common levels so that from the seabed
// row on both tables stand at the same levels, one to one.
// Levels are elevations in m, pressures kN/m2.
#pragma once

#include "merged_diagram.h"

#include <span>

namespace wtn {

// A stretch of a diagram between two levels with its values at both ends.
struct Segment {
    double top_level = 0.0;
    double bottom_level = 0.0;
    double top_value = 0.0;
    double bottom_value = 0.0;
};

inline constexpr int kCutSea = 0;   // the sea segment was cut at the land segment's bottom
inline constexpr int kCutLand = 1;  // the land segment was cut at the sea segment's bottom
inline constexpr int kCutNone = -1; // both segments end at the same level

// Shortens the longer of two segments that start together to the shorter's
// bottom, with the value there interpolated along the segment. Returns which
// was cut.
int cut_longer_segment(Segment& land, Segment& sea);

// Value of the straight line from (top_level, top_value) to (bottom_level,
// bottom_value) at level z, rounded to 3 decimals. The value may fall or grow
// with depth. A segment of no height gives its top value.
double value_on_segment(double top_level, double top_value, double bottom_level,
                        double bottom_value, double z);

// Rows closer than this to a level keep the level from being inserted: a
// split that thin adds nothing to the diagrams.
inline constexpr double kDiagramSplitTolerance = 0.01;
// Tolerance with which a level is a layer boundary.
inline constexpr double kLevelTolerance = 0.0001;

// Splits the row whose segment holds z (level_i >= z >= level_i+1) at z, unless
// z lies within tolerance of one of the segment's ends or outside the table.
// Returns true when a row was inserted.
bool insert_diagram_level(PressureRowTable& rows, double z,
                          double tolerance = kDiagramSplitTolerance);
bool insert_passive_level(DiagramTable& rows, double z, double tolerance = kDiagramSplitTolerance);

// Index of the first row whose level lies within tolerance of z, -1 when none.
int find_row_at_level(const PressureRowTable& rows, double z, double tolerance = kLevelTolerance);

// Builds the merged diagram from the land-side boundaries from the
// superstructure crown (land[crown_index]) down and the sea-side boundaries
// from the design seabed (sea[sea_seabed_index]) down; both sides end at the
// same closing boundary, whose values are 0. The design seabed becomes a row
// of the land-side table first, then the L.W.L. and the given zero-pressure
// levels are inserted into both tables. A merge whose tables do not line up
// from the seabed row on is a program fault and stops the program.
void merge_pressure_diagram(std::span<const BoundaryPressure> land, int crown_index,
                            std::span<const BoundaryPressure> sea, int sea_seabed_index,
                            double design_seabed, double lwl,
                            std::span<const double> zero_pressure_levels, MergedDiagram& diagram);

} // namespace wtn
