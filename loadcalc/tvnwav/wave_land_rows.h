// The land-side layer rows that the construction-stage loads carry to the
// stability calculation: in the construction stage the wall is loaded from
// the sea side and held by the land-side soil.
#pragma once

#include "input_record.h"

#include <array>

namespace wtn {

// One land-side boundary; the last (the bottom boundary) holds only its level.
struct WaveLandRow {
    double level = 0.0;
    double thickness = 0.0;        // level minus the next boundary's level
    double friction_angle = 0.0;   // radians
    int resistance_option = 0;     // 1 to 4
    double n_value = 0.0;
    int n_from_cohesion = 0;       // 1 when N was derived from the cohesion
    double kh = 0.0;               // lateral resistance constant
};

struct WaveLandRows {
    std::array<WaveLandRow, kMaxSoilLayerRows> rows{};
    int count = 0;          // boundaries, the bottom boundary included
    int seabed_index = -1;  // boundary at the construction-stage design seabed, -1 when none
};

} // namespace wtn
