#include "wave_land_layers.h"

#include "error_messages.h"
#include "math_constants.h"

namespace wtn {
namespace {

// Tops must fall strictly from row to row, and the lower limit of the soil
// must lie below the last top: otherwise the closing row would turn the last
// layer upside down and the force file would carry a negative thickness.
template <std::size_t Room>
bool tops_fall(const std::array<SoilLayerRow, Room>& rows, int count, double lower_limit) {
    for (int i = 0; i + 1 < count; ++i) {
        if (!(rows[i].top > rows[i + 1].top)) return false;
    }
    return count == 0 || lower_limit < rows[count - 1].top;
}

} // namespace

void check_wave_layers(const InputRecord& input) {
    const double lower_limit = input.joken.soil_bottom;
    if (!tops_fall(input.land_layers, input.land_layer_count, lower_limit))
        stop_with_error(ErrorCode::LandLayerOrder);
    if (!tops_fall(input.sea_layers, input.sea_layer_count, lower_limit))
        stop_with_error(ErrorCode::SeaLayerOrder);
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
        WaveLandRow& row = rows.rows[i];
        row = WaveLandRow{};
        row.level = layer.top;
        if (i + 1 == land.count) break;
        row.thickness = layer.top - land.rows[i + 1].top;
        row.friction_angle = layer.friction_angle * kPi / 180.0;
        row.resistance_option = layer.resistance_option;
        row.n_value = layer.n_value;
        row.n_from_cohesion = layer.n_from_cohesion;
        row.kh = layer.kh;
    }
}

} // namespace wtn
