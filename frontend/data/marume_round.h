// The front end's decimal rounding of the values it derives (converted units
// of older projects, hb levels, derived items of the calculation input): the
// front-end rule of decimal_rounding.h, so that they match what the batch
// programs compute and print.
#pragma once

#include "decimal_rounding.h"

namespace wtn::marume {

inline double round_dec(double x, double n) {
    return round_dec_front_end_rule(x, n);
}

} // namespace wtn::marume
