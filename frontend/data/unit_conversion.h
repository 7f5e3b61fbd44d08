// Conversion of older projects (".wtn" of versions 1.00 and 1.01, imported
// ".cal" files) from gravitational units (tf, kgf) to SI units, and the reset
// of the options that the current version handles differently. Levels and
// angles need no conversion.
#pragma once

#include "design_data.h"

namespace wtn {

// Which groups of values came from the older file and so are in
// gravitational units. An older project file carries all of them; an
// imported ".cal" file only those of the keys it holds, the rest being the
// template's values, which are SI already and must not be converted again.
struct ConversionScope {
    bool water = true;            // water_w
    bool young_and_stress = true; // young_e, young_exp, stress_allow
    bool surcharge = true;        // surcharge_q (straight ground surface)
    bool fills = true;            // embankment unit weights
    bool surcharge_zones = true;  // surcharge-zone intensities
    bool land_layers = true;      // dosou_riku
    bool sea_layers = true;       // dosou_umi
    bool land_method = true;      // dosou_hoho(0)
    bool sea_method = true;       // dosou_hoho(1)
    bool normal_forces = true;    // gairyoku_jyo
    bool seismic_forces = true;   // gairyoku_jis
};

// Converts the data in place. Converting converted data converts it again;
// callers convert once per load. DataError when a converted value has no
// finite result (a huge exponent of the Young's modulus, a value near the
// largest double); the caller then drops the copy it converted.
void conv_si_unit(DesignData& data, const ConversionScope& scope = ConversionScope{});

} // namespace wtn
