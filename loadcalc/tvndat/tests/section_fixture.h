// A small wall section for the load-model tests: superstructure crown +3.0,
// ground-surface crown +2.0, residual water level +0.5, L.W.L. 0.0, design
// seabed -8.0, soil down to -25.0. Land side: sand (phi 30) from +2.0 and
// sand (phi 35) from -4.0; sea side: sand (phi 30) from the seabed. Wall
// friction 15 degrees active and -15 passive, vertical wall, surcharge 10.
#pragma once

#include "customisation.h"
#include "input_record.h"

namespace wtn::test {

inline SoilLayerRow layer(double top, double phi, double wet, double submerged, double saturated) {
    SoilLayerRow r;
    r.top = top;
    r.wet_weight = wet;
    r.submerged_weight = submerged;
    r.saturated_weight = saturated;
    r.friction_angle = phi;
    r.kh = 5000.0;
    return r;
}

inline SoilLayerRow clay_layer(double top, double c0, double k) {
    SoilLayerRow r = layer(top, 0.0, 17.0, 7.0, 17.0);
    r.cohesion = c0;
    r.cohesion_increase = k;
    return r;
}

inline InputRecord two_sand_section() {
    InputRecord in;
    set_input_defaults(in);
    in.tjkn1.superstructure_crown = 3.0;
    in.joken.ground_crown = 2.0;
    in.joken.residual_level = 0.5;
    in.joken.lwl = 0.0;
    in.joken.hwl = 1.5;
    in.joken.design_seabed = -8.0;
    in.joken.soil_bottom = -25.0;
    in.joken.water_weight = 10.1;
    in.joken.surcharge_normal = 10.0;
    in.joken.surcharge_seismic = 5.0;
    in.neire.seismic_coefficient = 0.15;
    in.neire.apparent_rule = ApparentSeismicRule::GeneralFormula;
    in.add_1 = WallFriction{15.0, -15.0, 15.0, -15.0};
    in.land_layers[0] = layer(2.0, 30.0, 18.0, 10.0, 20.0);
    in.land_layers[1] = layer(-4.0, 35.0, 19.0, 10.0, 20.0);
    in.land_layer_count = 2;
    in.sea_layers[0] = layer(-8.0, 30.0, 18.0, 10.0, 20.0);
    in.sea_layer_count = 1;
    return in;
}

inline CustomisationValues plain_customisation() {
    CustomisationValues c;
    c.clay_failure_angle_normal = 45.0;
    c.clay_failure_angle_seismic = 40.0;
    c.ground_dummy_length = 10.0;
    c.consolidation_factor = 0.5;
    c.qu_denominator = 40.0;
    return c;
}

} // namespace wtn::test
