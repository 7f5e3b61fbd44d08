// Lateral resistance of the resisting-side soil: the N value of a cohesive
// layer estimated from its cohesion (k_h from N is in kh_chart.h). Shared by
// both load programs.
#pragma once

#include "kh_chart.h"

namespace wtn {

// N value of a cohesive layer from z_top down to z_bottom whose cohesion is c0
// (kN/m2) at the reference level z_ref and grows by k per metre of depth: the
// unconfined strength 2c at mid-depth over the chart factor f, in the unit
// the factor is given for (f x 0.001 x 2c). Rounded to 3 decimals.
double n_value_from_cohesion(double c0, double k, double z_top, double z_bottom, double z_ref,
                             double f);

} // namespace wtn
