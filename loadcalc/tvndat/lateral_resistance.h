// Lateral resistance of the resisting-side soil: the constant k_h from an N
// value, and the N value of a cohesive layer estimated from its cohesion.
// Shared by both load programs and mirrored by the front end.
#pragma once

#include "kh_chart.h"

namespace wtn {

// Lateral resistance constant (kN/m3) for the N value on chart line 1, 2 or
// 3, rounded to 1 decimal. The straight line through the chart's two points is
// followed beyond them too. N below 0.0001, or another line number, gives 0.0.
double kh_from_n(int line, double n);

// N value of a cohesive layer from z_top down to z_bottom whose cohesion is c0
// (kN/m2) at the reference level z_ref and grows by k per metre of depth: the
// unconfined strength 2c at mid-depth over the chart factor f, in the unit
// the factor is given for (f x 0.001 x 2c). Rounded to 3 decimals.
double n_value_from_cohesion(double c0, double k, double z_top, double z_bottom, double z_ref,
                             double f);

} // namespace wtn
