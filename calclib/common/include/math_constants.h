// Constants of the formulas both sides share.
#pragma once

namespace wtn {

inline constexpr double kPi = 3.141592653589793;

// pi to 15 significant digits: the wave length the front end derives has
// always used this value, and its shown lengths must not move.
inline constexpr double kPiFifteenDigits = 3.14159265358979;

// The wave-pressure formulas are written with 4*pi, 2*pi and pi cut to these
// figures, as in the design tables; they are kept so that results agree with
// the tables rather than with the exact constants.
inline constexpr double kFourPiAsTabled = 12.56;
inline constexpr double kTwoPiAsTabled = 6.28;
inline constexpr double kPiAsTabled = 3.14;

} // namespace wtn
