// Input checks of the layer model, run before any table is built.
#include "layer_model.h"

#include "error_messages.h"

#include <cmath>

namespace wtn {
namespace {

bool ground_is_flat(const InputRecord& input) {
    for (int p = 1; p < input.ground_point_count; ++p) {
        if (std::fabs(input.ground_points[p].level - input.ground_points[0].level) >=
            kBoundaryTolerance) {
            return false;
        }
    }
    return true;
}

} // namespace

void check_surcharge_zones(const InputRecord& input, LoadModel& model) {
    if (input.swdat.ground_shape == GroundShape::Embankment) {
        for (int i = 1; i < input.surcharge_count; ++i) {
            for (int j = 0; j < i; ++j) {
                if (input.surcharges[j].end > input.surcharges[i].start)
                    stop_with_error(ErrorCode::SurchargeOverlap);
            }
        }
    }
    model.clay_at_seabed = 0;
    if (input.swdat.earth_pressure_method != EarthPressureMethod::InterpolatedBelowSeabed) return;
    const double seabed = input.joken.design_seabed;
    for (int i = 0; i < input.land_layer_count; ++i) {
        const SoilLayerRow& row = input.land_layers[i];
        if (is_sand(row)) continue;
        // The last layer reaches down to the lower limit of the soil.
        const double bottom =
            i + 1 < input.land_layer_count ? input.land_layers[i + 1].top : input.joken.soil_bottom;
        if (row.top > seabed && bottom < seabed) model.clay_at_seabed = 1;
    }
}

void check_layer_order(const InputRecord& input) {
    check_layer_tops_fall(input);
    if (input.land_layer_count > 0 && input.land_layers[0].top > input.tjkn1.superstructure_crown) {
        stop_with_error(ErrorCode::LandAboveSuperstructure);
    }
    if (input.sea_layer_count > 0 && input.sea_layers[0].top < input.joken.design_seabed) {
        stop_with_error(ErrorCode::SeaBelowSeabed);
    }
    if (input.swdat.ground_shape == GroundShape::Straight) return;

    const bool flat = ground_is_flat(input);
    if (flat) {
        if (input.fill_count > 0) stop_with_error(ErrorCode::FillOnFlatGround);
        return;
    }
    if (input.fill_count == 0) stop_with_error(ErrorCode::NoFillLayers);
    if (!(input.fills[input.fill_count - 1].top > input.joken.ground_crown))
        stop_with_error(ErrorCode::FillEndsBelowCrown);
    for (int f = 1; f < input.fill_count; ++f) {
        if (!(input.fills[f].top < input.fills[f - 1].top)) stop_with_error(ErrorCode::FillOrder);
    }
    for (int p = 0; p < input.ground_point_count; ++p) {
        if (input.ground_points[p].level > input.fills[0].top)
            stop_with_error(ErrorCode::FillBelowGround);
    }
}

} // namespace wtn
