// The flexural rigidity of a sheet pile and its characteristic value β on
// an elastic foundation, as the stability calculation and the stability
// report both compute them, so a β the report works out beside the
// calculation's comes out the same to the last digit.
#pragma once

namespace wtn {

// EI (kN*m2/m) of a section of I (cm4/m) at Young's modulus E (kN/mm2).
double flexural_rigidity(double young, double inertia);

// Characteristic value beta (1/m) of a pile on an elastic foundation:
// (k_h B / 4EI)^(1/4) with khb = k_h B (kN/m2 per m of wall) and rigidity EI
// (kN*m2/m). Not rounded; each method rounds where it uses it.
double pile_beta(double khb, double rigidity);

} // namespace wtn
