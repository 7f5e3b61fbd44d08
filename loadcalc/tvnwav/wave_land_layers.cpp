#include "wave_land_layers.h"

#include "angles.h"
#include "error_messages.h"

namespace wtn {

void check_wave_layers(const InputRecord& input) {
    check_layer_tops_fall(input);
    if (input.land_layer_count > 0 && input.land_layers[0].top < input.tjkn1.construction_seabed) {
        stop_with_error(ErrorCode::LandStartsBelowSeabed);
    }
    if (input.sea_layer_count > 0 && input.joken.design_seabed > input.sea_layers[0].top) {
        stop_with_error(ErrorCode::SeaBelowSeabed);
    }
}

void insert_land_level(LayerTable& land, double z, double z_ref) {
    // The seabed kind stops with "no seabed in the land-side layers" when no
    // layer holds z.
    split_land_layers(land, z, kSplitSeabed, z_ref);
}

void build_wave_layer_rows(const LayerTable& land, WaveLandRows& rows) {
    rows.count = land.count;
    for (int i = 0; i < land.count; ++i) {
        const SoilLayerRow& layer = land.rows[i];
        ForceLayerRow& row = rows.rows[i];
        row = ForceLayerRow{};
        row.level = layer.top;
        if (i + 1 == land.count) break;
        row.thickness = layer.top - land.rows[i + 1].top;
        row.friction_angle = to_radians(layer.friction_angle);
        row.resistance_option = to_file_value(layer.resistance_option);
        row.n_value = layer.n_value;
        row.n_from_cohesion = layer.n_from_cohesion;
        row.kh = layer.kh;
    }
}

} // namespace wtn
