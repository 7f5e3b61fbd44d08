#include "report_switches.h"

#include "wall_codes.h"

namespace wtn {

bool straight_ground(const InputRecord& input) {
    return input.swdat.ground_shape == GroundShape::Straight;
}

bool surcharge_at_seabed(const InputRecord& input) {
    return input.swdat.surcharge_mode == SurchargeMode::AtSeabedForAllLayers;
}

bool interpolation_method(const InputRecord& input) {
    return input.swdat.earth_pressure_method == EarthPressureMethod::InterpolatedBelowSeabed;
}

bool clay_seismic_compares_both(const InputRecord& input) {
    return input.swdat.clay_seismic_formula == ClaySeismicFormula::CompareBoth;
}

bool clay_normal_compares_both(const InputRecord& input) {
    return input.nir_t.clay_normal_formula == ClayNormalFormula::CompareBoth;
}

bool okabe_when_negative(const InputRecord& input) {
    return input.nir_t.okabe_when_negative != OkabeWhenNegative::Off;
}

bool in_air_at_residual_level(const InputRecord& input) {
    return input.swdat.residual_level_seismic == LevelSeismicRule::AirBothSides;
}

bool in_air_at_lwl(const InputRecord& input) {
    return input.swdat.lwl_seismic == LevelSeismicRule::AirBothSides;
}

ApparentSeismicRule apparent_rule(const InputRecord& input) {
    return input.neire.apparent_rule;
}

bool dynamic_water_switched_on(const InputRecord& input) {
    return input.nir_t.dynamic_water == YesNo::Yes;
}

bool seismic_by_factors(const InputRecord& input) {
    return input.neire.seismic_rule == SeismicCoefficientRule::ProductOfFactors;
}

DesignStandard design_standard(const InputRecord& input) {
    return input.swdat.design_standard;
}

EmbedmentMethod embedment_method(const InputRecord& input) {
    return input.swdat.embedment_method;
}

PileType pile_type(const InputRecord& input) {
    return input.joken.pile_type;
}

SteelGrade steel_grade(const InputRecord& input) {
    return input.joken.steel_grade;
}

CompletedCases completed_cases(const InputRecord& input) {
    return input.swdat.completed_cases;
}

bool apparent_in_steps_of_five(const CustomisationValues& custom) {
    return custom.apparent_rounding_rule != SeismicRounding::HalfUp;
}

bool hydrodynamic_condition(const InputRecord& input, int c) {
    return c == kSeismicCase && apparent_rule(input) == ApparentSeismicRule::AraiYokoi &&
           dynamic_water_switched_on(input) && input.joken.lwl > input.joken.design_seabed;
}

} // namespace wtn
