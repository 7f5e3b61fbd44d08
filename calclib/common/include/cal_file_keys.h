// The keys of the calculation input file (CAL_FILE.DAT): each line begins with
// one. The batch programs' reader and writer and the front end's writer and
// import all name the lines through these.
#pragma once

#include <array>

namespace wtn {

inline constexpr const char* kVersionKey = "versi";
inline constexpr const char* kTitleKey = "gyonm";
inline constexpr const char* kSwitchesKey = "swdat";
inline constexpr const char* kWaveSwitchesKey = "wavsw";
inline constexpr const char* kConditionsKey = "joken";
inline constexpr const char* kAddedConditionsKey = "tjkn1";
inline constexpr const char* kEmbedmentKey = "neire";
inline constexpr const char* kCorrosionKey = "fsyok";
inline constexpr const char* kJointEfficiencyKey = "tugit";
inline constexpr const char* kCataloguePilesKey = "tyait";
inline constexpr const char* kAddedPilesKey = "apdyt";
inline constexpr const char* kSurchargeKey = "josai";
inline constexpr const char* kNormalForceKey = "etcjo";
inline constexpr const char* kSeismicForceKey = "etcjs";
inline constexpr const char* kSteelPipeKey = "kokan";
inline constexpr const char* kLandLayerKey = "sdatu";
inline constexpr const char* kSeaLayerKey = "jdatu";
inline constexpr const char* kGroundPointKey = "tikei";
inline constexpr const char* kFillKey = "morid";
inline constexpr const char* kWaveConditionsKey = "wlvl_";
inline constexpr const char* kEmbedmentOptionsKey = "nir_t";
inline constexpr const char* kStaticWaterKey = "wav_t";
inline constexpr const char* kWallFrictionKey = "add_1";
// The front end's adopted embedment depth and pile length; the batch
// programs skip the line.
inline constexpr const char* kAdoptedLengthKey = "caldt";

// The wave data of the tide levels, in the order H.H.W.L., H.W.L., L.W.L.
// and the user-named level.
inline constexpr std::array<const char*, 4> kTideLevelKeys = {"hhwl_", "hwl__", "lwl__", "ewl__"};

} // namespace wtn
