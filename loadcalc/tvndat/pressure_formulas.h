// Earth-pressure coefficients and intensities at one point: Coulomb-type
// coefficients of sandy soil with the seismic angle, given as K cos(delta) so
// that the intensity is the horizontal component, and the two formulas of
// cohesive soil. Pressures in kN/m2, angles in radians.
#pragma once

#include "wall_codes.h"

namespace wtn {

// Active coefficient Ka cos(delta), 4 decimals. A negative value under the
// root asks the "waring" question: No stops the program, Yes takes the root 0.
double active_coefficient(double beta, double phi, double delta, double psi, double theta);

// Passive coefficient Kp cos(delta), 4 decimals, called with the seabed angle
// negated. The wall friction enters with the sign it is entered with (a wall
// friction that resists the upward movement of the passive wedge is negative).
// A root of 1 or more (a wall friction near minus the friction angle) has no
// passive wedge: the program stops with a message.
double passive_coefficient(double beta, double phi, double delta, double psi, double theta);

// Intensity of sandy soil: K (sigma + q cos psi / cos(psi - beta)), 3 decimals.
double sand_pressure(double k, double sigma, double q, double psi, double beta);

// Value stored for the second clay formula when it is not used.
inline constexpr double kFormulaNotUsed = -99999.9;

// Which clay formulas apply at a point.
struct ClayActiveOptions {
    int load_case = 0; // 0 normal, 1 seismic
    ClayNormalFormula normal_formula_switch = ClayNormalFormula::CompareBoth;
    ClaySeismicFormula seismic_formula_switch = ClaySeismicFormula::CompareBoth;
    EarthPressureMethod pressure_method = EarthPressureMethod::NotInterpolated;
    double consolidation = 0.0; // consolidation coefficient of formula 2
};

struct ClayActiveResult {
    double formula1 = 0.0;
    double formula2 = kFormulaNotUsed;
    double adopted = 0.0;
};

// Active intensity of cohesive soil at a point depth_below_seabed (m, positive
// below the seabed) with overburden sigma, surcharge q, cohesion c, failure
// angle zeta and seismic angle theta; bottom tells the layer's bottom point.
// Normal case and deep seismic points: formula 1 = sigma + q - 2c; seismic
// case otherwise the seismic formula with zeta. Formula 2 = consolidation
// coefficient x (sigma + q) where the options call for it; the larger is
// adopted. Each value rounded to 3 decimals.
ClayActiveResult clay_active_pressure(const ClayActiveOptions& options, double depth_below_seabed,
                                      double sigma, double q, double c, double zeta, double theta,
                                      bool bottom);

// Passive intensity of cohesive soil, sigma + q + 2c, 3 decimals.
double clay_passive_pressure(double sigma, double q, double c);

} // namespace wtn
