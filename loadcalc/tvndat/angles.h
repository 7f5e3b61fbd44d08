// Angle conventions of the load calculation: angles are entered in degrees and
// held in radians, converted with kPi, and rounded to
// whole seconds of arc or to 0.1 degree at the points where the results and
// reports need them.
#pragma once

#include "math_constants.h"

namespace wtn {

inline constexpr double to_radians(double degrees) {
    return degrees * kPi / 180.0;
}
inline constexpr double to_degrees(double radians) {
    return radians * 180.0 / kPi;
}

inline constexpr int kRoundToSeconds = 0; // whole seconds of arc
inline constexpr int kRoundToTenthDegree = 1;

// a (radians) rounded in degrees: mode kRoundToSeconds to whole seconds of arc,
// mode kRoundToTenthDegree to 0.1 degree. Returns radians.
double round_angle(double a, int mode);

} // namespace wtn
