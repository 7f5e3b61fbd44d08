// The whole wave calculation of one tide level: wave data, pressure by the
// chosen formula, the diagram cut at the wall top and h', the still-water
// pressure and the forces. The result does not depend on the case.
#pragma once

#include "input_record.h"
#include "wav_data_file.h"

namespace wtn {

// Wall top of the wave diagram: the superstructure crown when the system
// switch is not 0, else the sheet-pile crown.
double wave_wall_top(const InputRecord& input, int system_switch);

// Computes tide level into block (case_index is left to the caller). Stops
// the program when the wave data cannot be computed with or the wall top lies
// below the wave-pressure diagram.
void compute_wave_level(const InputRecord& input, int tide_level, double wall_top,
                        WaveBlock& block);

} // namespace wtn
