#include "input_record.h"

namespace wtn {

void reset_input_counters(InputRecord& input) {
    input.catalogue_piles.count = 0;
    input.added_piles.count = 0;
    input.surcharge_count = 0;
    input.force_normal_count = 0;
    input.force_seismic_count = 0;
    input.steel_pipe_count = 0;
    input.land_layer_count = 0;
    input.sea_layer_count = 0;
    input.ground_point_count = 0;
    input.fill_count = 0;
}

void set_input_defaults(InputRecord& input) {
    // The groups' member initialisers are the defaults. Fields without a
    // default keep the values the last reader left, as do the row counts.
    InputRecord fresh;

    fresh.version_text = std::move(input.version_text);
    fresh.version_number = input.version_number;
    fresh.static_water = input.static_water;
    fresh.add_1 = input.add_1;
    fresh.fsyok.check_range = input.fsyok.check_range;
    const double lambda2 = fresh.nir_t.lambda2;
    fresh.nir_t = input.nir_t;
    fresh.nir_t.lambda2 = lambda2;

    fresh.catalogue_piles.count = input.catalogue_piles.count;
    fresh.added_piles.count = input.added_piles.count;
    fresh.surcharge_count = input.surcharge_count;
    fresh.force_normal_count = input.force_normal_count;
    fresh.force_seismic_count = input.force_seismic_count;
    fresh.steel_pipe_count = input.steel_pipe_count;
    fresh.land_layer_count = input.land_layer_count;
    fresh.sea_layer_count = input.sea_layer_count;
    fresh.ground_point_count = input.ground_point_count;
    fresh.fill_count = input.fill_count;

    input = std::move(fresh);
}

} // namespace wtn
