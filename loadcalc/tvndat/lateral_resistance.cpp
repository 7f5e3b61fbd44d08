#include "lateral_resistance.h"

#include "rounding.h"

#include <cmath>

namespace wtn {
double n_value_from_cohesion(double c0, double k, double z_top, double z_bottom, double z_ref,
                             double f) {
    const double z_mid = (z_top + z_bottom) * 0.5;
    const double c_mid = c0 + k * (z_ref - z_mid);
    return round_dec(f * 0.001 * (2.0 * c_mid), 3);
}

} // namespace wtn
