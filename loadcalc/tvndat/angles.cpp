#include "angles.h"

#include "rounding.h"

namespace wtn {

double round_angle(double a, int mode) {
    const double degrees = to_degrees(a);
    const double rounded =
        mode == kRoundToSeconds ? round_dec(degrees * 3600.0, 0) / 3600.0 : round_dec(degrees, 1);
    return to_radians(rounded);
}

} // namespace wtn
