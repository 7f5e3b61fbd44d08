#include "load_model.h"

namespace wtn {

void clear_load_tables(LoadModel& model) {
    model = LoadModel{};
    for (SeaLayerCalc& c : model.sea_calc)
        c.resistance_option = 1;
}

void reset_load_indices(LoadModel& model) {
    model.index = LevelIndices{};
    model.land.count = 0;
    model.sea.count = 0;
    model.ground_count = 0;
    model.land_count = 0;
    model.sea_count = 0;
}

} // namespace wtn
