// The values of the construction-stage wave study that the wave calculation
// and the wave-pressure report take alike from the common input: the formula,
// the tide levels, the still-water switch, the wall top and Goda's design
// wave height.
#pragma once

#include "input_record.h"
#include "wall_codes.h"

namespace wtn {

// Formula of the input's wave-formula switch: 1 Goda, any other Kuroda / Hiroi.
WaveFormula wave_formula_of(const InputRecord& input);

// Short name of tide level 0 to 3 for messages (code page 932).
const char* tide_level_name(int level);

// True when the still-water pressure of the construction stage is considered
// ("wav_t" item 1 is 1).
bool still_water_on(const InputRecord& input);

// Still-water level of tide level 0 to 3.
double tide_level_of(const InputRecord& input, int level);

// Wall top of the wave diagram: the superstructure crown when the system
// switch is not 0, else the sheet-pile crown.
double wave_wall_top(const InputRecord& input, int system_switch);

// Wave height for Goda's formula: 1.8 H1/3 rounded to 2 decimals when the
// breaking-wave influence switch is 1, else Hmax as given.
double goda_wave_height(BreakingInfluence breaking_influence, double significant_height,
                        double max_height);

} // namespace wtn
