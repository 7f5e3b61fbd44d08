// A long pile in ground whose lateral reaction grows with the square root of
// the deflection: p = k x^m sqrt(y) per metre of wall, m = 0 for C-type ground
// (constant coefficient) and m = 1 for S-type ground (coefficient growing
// linearly with depth x below the reference level).
//
// With the pile's rigidity EI, the horizontal force P acting h0 above the
// reference level and the length and deflection units
//     a = (EI P / k^2)^(1 / (5 + 2m)),   b = P a^3 / EI,
// x = a xi and y = b eta turn  EI y'''' = -k x^m sqrt(y)  with the head
// conditions EI y''(0) = P h0 (moment) and EI y'''(0) = P (shear) into
//     eta'''' = -xi^m sign(eta) sqrt|eta|,   eta''(0) = r,   eta'''(0) = 1,
// with the one parameter r = h0 / a. The pile is long: moment and shear vanish
// at a tip deep enough for the result not to depend on it.
#pragma once

#include <stdexcept>

namespace wtn::tools {

struct PileSolverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Response of the non-dimensional pile, in units of a (depths), b (head
// deflection), b / a (head slope) and P a (moment).
struct CanonicalPileResponse {
    double head_deflection = 0.0;       // eta(0), positive in the load's direction
    double head_slope = 0.0;            // -eta'(0), positive
    double max_moment = 0.0;            // largest eta'' at or below the reference level
    double max_moment_depth = 0.0;      // depth of the largest moment
    double moment_zero_depth = 0.0;     // first depth where the moment changes sign
    double deflection_zero_depth = 0.0; // first depth where the deflection changes sign
};

inline constexpr int kCanonicalPileNodes = 2001;

// Solves the non-dimensional pile for the depth power m (0 or 1) and the
// moment ratio r > 0. Throws PileSolverError when the iteration fails.
CanonicalPileResponse solve_canonical_pile(int depth_power, double moment_ratio,
                                           int nodes = kCanonicalPileNodes);

// The same on a given pile length (in units of a); for checking that the
// result no longer depends on the length.
CanonicalPileResponse solve_canonical_pile_of_length(int depth_power, double moment_ratio,
                                                     double length, int nodes);

} // namespace wtn::tools
