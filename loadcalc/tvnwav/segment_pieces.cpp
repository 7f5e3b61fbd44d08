#include "segment_pieces.h"

#include "rounding.h"

namespace wtn {

void triangle_centroid(const double values[3], const double levels[3], double& value, double& level) {
    value = round_dec((values[0] + values[1] + values[2]) / 3.0, 3);
    level = round_dec((levels[0] + levels[1] + levels[2]) / 3.0, 3);
}

double segment_area(int kind, double width, double height) {
    return round_dec(width * height * (kind == 1 ? 1.0 : 0.5), 3);
}

double segment_moment(double force, double arm) { return round_dec(force * arm, 3); }

} // namespace wtn
