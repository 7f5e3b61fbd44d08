// The layer rows a chapter table prints: the land-side rows from the first
// land row (at the ground-surface crown) to the last but one, whose bottom is
// the closing row's top, and the sea-side rows from the design seabed to the
// last but one. The load-table reader has checked these indices.
#pragma once

#include "load_model.h"

#include <cstddef>

namespace wtn {

struct RowRange {
    int first = 0;
    int end = 0; // one past the last row
    int size() const { return end > first ? end - first : 0; }
};

RowRange land_rows(const LoadModel& model);
RowRange sea_rows(const LoadModel& model);

// The index of row i into a layer array.
std::size_t row_at(int i);

// The bottom level of a layer row, m.
double bottom_of(const LandLayerCalc& row);
double bottom_of(const SeaLayerCalc& row);

} // namespace wtn
