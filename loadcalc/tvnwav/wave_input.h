// The wave data of one tide level taken from the common input, and the checks
// that keep the formulas away from depths, lengths and heights they cannot be
// computed with.
#pragma once

#include "input_record.h"
#include "wav_data_file.h"
#include "wave_inputs.h"

namespace wtn {

// Fills block.common for tide level, and with it for Goda's formula the
// breaking depth h_b, for the Kuroda / Hiroi formulas the breaking and angle
// flags and the depth D. Sets block.tide_level and block.formula.
void fill_wave_common(const InputRecord& input, int tide_level, WaveBlock& block);

// Stops the program with a message naming the tide level when the filled
// wave data would divide by zero or lay the diagram out upside down: a
// wave height or wave length that is not positive, h' not below the tide
// level or below h, and for Goda's formula h, d or h_b not positive, for the
// Kuroda / Hiroi formulas a depth D that is not positive.
void check_wave_data(const WaveBlock& block);

} // namespace wtn
