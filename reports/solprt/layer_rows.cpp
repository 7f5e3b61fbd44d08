#include "layer_rows.h"

namespace wtn {

RowRange land_rows(const LoadModel& model) {
    return {model.index.ground_crown, model.land_count - 1};
}

RowRange sea_rows(const LoadModel& model) {
    return {model.index.sea_seabed, model.sea_count - 1};
}

std::size_t row_at(int i) {
    return static_cast<std::size_t>(i);
}

double bottom_of(const LandLayerCalc& row) {
    return row.top - row.thickness;
}

double bottom_of(const SeaLayerCalc& row) {
    return row.top - row.thickness;
}

} // namespace wtn
