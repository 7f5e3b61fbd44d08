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

inline RowRange land_rows(const LoadModel& model) {
    return {model.index.ground_crown, model.land_count - 1};
}

inline RowRange sea_rows(const LoadModel& model) {
    return {model.index.sea_seabed, model.sea_count - 1};
}

inline std::size_t row_at(int i) {
    return static_cast<std::size_t>(i);
}

inline double bottom_of(const LandLayerCalc& row) {
    return row.top - row.thickness;
}

inline double bottom_of(const SeaLayerCalc& row) {
    return row.top - row.thickness;
}

} // namespace wtn
