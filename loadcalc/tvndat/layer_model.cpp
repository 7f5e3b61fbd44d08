#include "layer_model.h"

namespace wtn {

void prepare_layer_model(const InputRecord& input, const CustomisationValues& custom,
                         LoadModel& model) {
    check_surcharge_zones(input, model);
    check_layer_order(input);

    const double z_ref = input.tjkn1.cohesion_ref_level;
    model.land = land_layer_table(input);
    model.sea = sea_layer_table(input);
    append_bottom_rows(model.land, model.sea, input.joken.soil_bottom);
    if (input.swdat.ground_shape != GroundShape::Straight) {
        build_ground_table(input, model);
        extend_ground_table(custom, model);
    }
    cohesion_at_layer_bounds(model.land, z_ref);
    cohesion_at_layer_bounds(model.sea, z_ref);
    derive_sea_n_values(model.sea, input.swdat.embedment_method, z_ref, custom.qu_denominator);
    insert_fill_layers(model.land, input);

    const double seabed = input.joken.design_seabed;
    const double minus10 = seabed - kSeismicFormulaDepth;
    // The seabed is a land-side boundary where the surcharge is taken there
    // for all layers, or where a clay layer spans it under interpolation.
    const bool seabed_in_land =
        (input.swdat.ground_shape == GroundShape::Embankment &&
         input.swdat.surcharge_mode == SurchargeMode::AtSeabedForAllLayers) ||
        model.clay_at_seabed == 1;
    if (seabed_in_land) split_land_layers(model.land, seabed, kSplitSeabed, z_ref);
    split_land_layers(model.land, input.joken.residual_level, kSplitResidualWater, z_ref);
    split_land_layers(model.land, input.joken.ground_crown, kSplitGroundCrown, z_ref);
    split_land_layers(model.land, minus10, kSplitSeabedMinus10, z_ref);
    split_land_layers(model.land, input.tjkn1.superstructure_crown, kSplitSuperstructureCrown,
                      z_ref);

    LevelIndices& index = model.index;
    if (seabed_in_land) index.land_seabed = find_land_level(model.land, seabed);
    index.residual_water = find_land_level(model.land, input.joken.residual_level);
    index.ground_crown = find_land_level(model.land, input.joken.ground_crown);
    index.seabed_minus_10 = find_land_level(model.land, minus10);
    index.superstructure_crown = find_land_level(model.land, input.tjkn1.superstructure_crown);

    split_sea_layers(model.sea, seabed, kSplitSeaSeabed, z_ref);
    split_sea_layers(model.sea, input.joken.lwl, kSplitLwl, z_ref);
    index.sea_seabed = find_sea_level(model.sea, seabed);
    index.lwl = find_sea_level(model.sea, input.joken.lwl);

    build_layer_calc(input, custom, model);
}

} // namespace wtn
