// Chapter 1 of the wave-pressure report: the design conditions of the
// construction stage as a free-running list (the list file PFMTEMP.TMP, one
// generated template WSKLST%d.PFM per block, the index JW000JKN.PDT), ending
// with the design-condition drawing.
#pragma once

#include "wave_report.h"

#include <string>

namespace wtn {

// The label of tide level 0 to 3 in the list: eight printed columns. The
// user's name is cut at a whole character within 8 bytes and padded.
std::string list_level_label(const InputRecord& input, int level);

// Writes the list, its templates and JW000JKN.PDT.
void write_wave_condition_list(const WaveReport& report);

} // namespace wtn
