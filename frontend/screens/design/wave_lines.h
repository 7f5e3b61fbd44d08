// The text lines of the wave-row lists, one per tide level, in half-width
// columns of the fixed-pitch font: the level's name, for Goda's formula the
// breaking-wave text, then the five values right-aligned in 16 columns each;
// a value that does not apply to the row shows "----".
#pragma once

#include "design_data.h"

#include <string>

namespace wtn::design {

inline constexpr int kWaveValueColumns = 16;

// Goda row of tide level i (0 H.H.W.L. .. 3 user-named level): name 21
// columns, breaking-wave text 11, then H1/3, Hmax, T, L, β. Hmax is "----"
// without breaking waves; T when the wave length is given, else L.
std::string goda_line(int level, const WaveRec& row);

// Kuroda / Hiroi row: name 19 columns, then H1/3, HD, T, L, β; T is "----"
// when the wave length is given, else L.
std::string kuroda_line(int level, const WaveRec& row);

// text preceded by blanks up to kWaveValueColumns characters; a longer text
// is kept whole.
std::string right_aligned(const std::string& text);

} // namespace wtn::design
