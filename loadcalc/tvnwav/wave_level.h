// The whole wave calculation of one tide level: wave data, pressure by the
// chosen formula, the diagram cut at the wall top and h', the still-water
// pressure and the forces. The result does not depend on the case.
#pragma once

#include "input_record.h"
#include "wav_data_file.h"
#include "wave_inputs.h"

namespace wtn {

// Computes tide level into block (case_index is left to the caller). Stops
// the program when the wave data cannot be computed with or the wall top lies
// below the wave-pressure diagram.
void compute_wave_level(const InputRecord& input, int tide_level, double wall_top,
                        WaveBlock& block);

} // namespace wtn
