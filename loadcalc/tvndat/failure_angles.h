// Failure angles of the soil behind and in front of the wall: the Coulomb
// failure plane of sandy soil with the seismic angle, and the failure angle
// of cohesive soil in an earthquake (ordinary form and Okabe's form).
// Angles in radians, measured from the horizontal.
#pragma once

namespace wtn {

inline constexpr bool kActive = false;
inline constexpr bool kPassive = true;

// Failure angle of sandy soil with ground angle beta, friction angle phi, wall
// friction delta, wall angle psi and seismic angle theta. The passive form is
// called with the seabed angle negated. A negative value under the root asks
// the "waring" question: No stops the program, Yes gives 0.0.
double sand_failure_angle(double beta, double phi, double delta, double psi, double theta,
                          bool passive);

inline constexpr bool kOrdinaryClayFormula = false;
inline constexpr bool kOkabeFormula = true;

// Value returned for a point without cohesion by the ordinary clay formula.
inline constexpr double kNoClayAngle = -1.0;

// Failure angle of cohesive soil in an earthquake at a point with overburden
// sigma, surcharge q and cohesion c (kN/m2) and seismic angle theta.
// Ordinary formula: kNoClayAngle when c is below 0.00001; the negative root
// value D itself when D < 0 (the caller then retries with Okabe's formula or
// takes the customised angle); else atan(sqrt D).
// Okabe's formula without cohesion gives 0 (a flat slip plane, the limit of
// the formula) while theta > 0; with theta = 0 too it has no value and the
// program stops with a message rather than compute with it.
double clay_failure_angle(double sigma, double q, double c, double theta, bool okabe);

struct MeanClayAngle {
    double angle = 0.0;
    int mean_case = -1; // 0 both ends fell back, 1 top only, 2 bottom only, 3 neither
};

// The angle a clay layer takes in the trial wedges from the failure angles at
// its top and bottom; an end without an angle (negative) takes zeta_seismic,
// the customised clay failure angle of the seismic case (radians). Not rounded.
MeanClayAngle mean_clay_angle(double a_top, double a_bottom, double zeta_seismic);

} // namespace wtn
