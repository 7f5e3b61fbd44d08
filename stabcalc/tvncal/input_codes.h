// The switches of the input that the stability calculation branches on,
// named; the embedment method and the sheet-pile type are in wall_codes.h.
#pragma once

#include "wall_codes.h"

namespace wtn {

// DesignConditions item 17: variant of the U-type catalogue.
inline constexpr int kUImproved = 1;
inline constexpr int kUGeneral = 2;

// DesignConditions item 18: steel grade.
inline constexpr int kSteelGradeLow = 1; // SY295, SKY400

// CalcSwitches item 13: both the completed state and the construction stage.
inline constexpr int kBothStudies = 3;

// CorrosionData item 13: only the seabed-mud zone is checked.
inline constexpr int kCheckSeabedMudOnly = 1;

// EmbedmentOptions item 2 and the still-water switch "wav_t": 1 is on.
inline constexpr int kSwitchOn = 1;

} // namespace wtn
