// The input switches the earth-pressure report tests, each asked by name in
// one place, so the page writers read as the engineering they print.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "wall_codes.h"

namespace wtn {

bool straight_ground(const InputRecord& input);
// The surcharge of an embankment is taken at the design seabed for all
// layers, not layer by layer.
bool surcharge_at_seabed(const InputRecord& input);
// Earth pressure interpolated linearly down to 10 m below the design seabed.
bool interpolation_method(const InputRecord& input);
// The seismic case compares both clay formulas.
bool clay_seismic_compares_both(const InputRecord& input);
// The normal case compares both clay formulas.
bool clay_normal_compares_both(const InputRecord& input);
bool okabe_when_negative(const InputRecord& input);
// In-air seismic coefficient on both sides of the residual water level and
// of the L.W.L.
bool in_air_at_residual_level(const InputRecord& input);
bool in_air_at_lwl(const InputRecord& input);
ApparentSeismicRule apparent_rule(const InputRecord& input);
bool dynamic_water_switched_on(const InputRecord& input);
bool seismic_by_factors(const InputRecord& input);
DesignStandard design_standard(const InputRecord& input);
EmbedmentMethod embedment_method(const InputRecord& input);
PileType pile_type(const InputRecord& input);
SteelGrade steel_grade(const InputRecord& input);
CompletedCases completed_cases(const InputRecord& input);
// The printed apparent coefficient is rounded to steps of 0.05, not 0.01.
bool apparent_in_steps_of_five(const CustomisationValues& custom);

// The hydrodynamic pressure of Westergaard acts in case c: the seismic case,
// apparent coefficient by the Arai-Yokoi proposal, the dynamic water pressure
// switched on and the L.W.L. above the design seabed.
bool hydrodynamic_condition(const InputRecord& input, int c);

} // namespace wtn
