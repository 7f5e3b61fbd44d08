#include "decimal_rounding.h"

#include <cmath>

namespace wtn {

namespace {

// Fractions strictly inside this band count as an exact half.
constexpr double kTieLow = 0.4999;
constexpr double kTieHigh = 0.5001;
// Significant digits the nudge reaches down to.
constexpr double kNudgeDigits = 15.0;

double batch_nudge(double y) {
    const double k = std::trunc(std::log10(y));
    return 1.0 / std::pow(10.0, kNudgeDigits - k);
}

} // namespace

double round_dec_batch_rule(double x, double n) {
    if (x == 0.0) return 0.0;
    const bool negative = x < 0.0;
    const double s = std::pow(10.0, n);
    const double y = std::fabs(x) * s;
    const double f = std::floor(y + batch_nudge(y));
    const double d = y - f;
    double r = 0.0;
    if (d > kTieLow && d < kTieHigh) {
        r = std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
    } else {
        r = std::floor(y + 0.5 + batch_nudge(y));
    }
    r /= s;
    return negative ? -r : r;
}

double round_dec_front_end_rule(double x, double n) {
    if (x == 0.0) return 0.0;
    if (!std::isfinite(x)) return x;
    const bool negative = x < 0.0;
    const double scale = std::pow(10.0, n);
    const double y = std::fabs(x) * scale;
    if (!std::isfinite(y)) return x;
    const double whole = std::trunc(y);
    const double fraction = y - whole;
    double r;
    if (fraction > kTieLow && fraction < kTieHigh) {
        // Parity from the whole part itself, so scaled values beyond the
        // 32-bit range still round to the even neighbour.
        r = std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1.0;
    } else {
        const double k = std::floor(std::log(y) / std::log(10.0));
        r = std::trunc(y + 0.5 + 1.0 / std::pow(10.0, kNudgeDigits - k));
    }
    r /= scale;
    return negative ? -r : r;
}

} // namespace wtn
