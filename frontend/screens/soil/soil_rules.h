// Which inputs of one side of the soil-layer screen the user may change: by
// the soil type of the layer shown, the options selected, the embedment
// method and the studies switched on. One routine serves the loading, the
// selection of a layer, the option buttons and the refresh after the row
// editing, so the screen shows the same state whichever way it got there.
#pragma once

#include "design_data.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <array>

namespace wtn::soil {

inline constexpr int kBoxCount = 13;   // txt_gm15(0..12)
inline constexpr int kOptionCount = 9; // opt_gm15(0..8)
inline constexpr int kFrameCount = 6;  // fra_gm15(0..5)
inline constexpr int kFirstBoxLabel = 16;
inline constexpr int kBoxLabelCount = 6; // lbl_gm15(16..21)

// Option buttons: soil type 0 sand, 1 clay; the layer's option k is button
// 2 + k (box 6 + k); the side's option m is button 6 + m (box 10 + m).
inline constexpr int kSandOption = 0;
inline constexpr int kClayOption = 1;
inline constexpr int kFirstLayerOption = 2;
inline constexpr int kLayerOptionCount = kLayerKhOptionCount;
inline constexpr int kFirstSideOption = 6;
inline constexpr int kSideOptionCount = kSideResistanceOptionCount;
inline constexpr int kFirstLayerBox = 6;
inline constexpr int kFirstSideBox = 10;

// Frames: 1 unit weights, 2 soil type, 3 lateral resistance, holding 4 (an
// option per layer) and 5 (one method for the side).
inline constexpr int kWeightFrame = 1;
inline constexpr int kSoilFrame = 2;
inline constexpr int kLateralFrame = 3;
inline constexpr int kLayerOptionFrame = 4;
inline constexpr int kSideMethodFrame = 5;

// The embedment method of the basic conditions.
EmbedmentMethod embedment_method(const SekkeiData& sekkei);

// Chang's two methods and the multi-layer C-type method take a constant per
// layer; the C-type and S-type methods one method record per side.
bool per_layer_method(const SekkeiData& sekkei);

// The side's lateral resistance is not studied: only the other study is on
// (land: only the completed state; sea: only the construction stage).
bool lateral_blocked(const SekkeiData& sekkei, bool land);

struct SideState {
    bool clay = false;     // "粘性土" selected
    int layer_option = -1; // selected layer option 0..3, -1 none
    int side_option = -1;  // selected side option 0..2, -1 none
};

struct SideEnabling {
    std::array<bool, kBoxCount> box{};
    std::array<bool, kOptionCount> option{};
    std::array<bool, kFrameCount> frame{};
    std::array<bool, kBoxLabelCount> box_label{}; // lbl_gm15(16..21)
};

// Enabled inputs of a side holding layers, per_layer being the side's switch
// set by the loading (per_layer_method). Frame 0 is always on.
SideEnabling side_enabling(const SideState& state, bool per_layer, const SekkeiData& sekkei,
                           bool land);

// A side without layers: frame 0 alone.
SideEnabling empty_side_enabling();

} // namespace wtn::soil
