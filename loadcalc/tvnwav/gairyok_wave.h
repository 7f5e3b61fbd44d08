// The construction-stage sections of the force file GAIRYOK.DAT: per tide
// level and case the land-side layer rows, the wave-force pieces, the totals,
// the construction-stage design seabed and, with the still-water pressure on,
// its lever arm and force.
#pragma once

#include "wav_data_file.h"
#include "wave_land_layers.h"

#include <cstdio>

namespace wtn {

// Appends the section of block's tide level and case. seabed is the
// construction-stage design seabed.
void write_gairyok_wave_section(std::FILE* file, const WaveBlock& block, const WaveLandRows& land,
                                double seabed, bool still_water_on);

} // namespace wtn
