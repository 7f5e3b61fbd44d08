#include "decimal_rounding.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace wtn {

namespace {

// Fractions strictly inside this band count as an exact half.
constexpr double kTieLow = 0.4999;
constexpr double kTieHigh = 0.5001;
// Significant digits the nudge reaches down to.
constexpr double kNudgeDigits = 15.0;

// Powers of ten a double holds exactly: 10^0 to 10^22.
constexpr int kLargestExactPower = 22;
constexpr auto kExactPowers = [] {
    std::array<double, kLargestExactPower + 1> powers{};
    double power = 1.0;
    for (double& p : powers) {
        p = power;
        power *= 10.0;
    }
    return powers;
}();

// 10^n. For a whole n from 0 to 22 the result is exact, and pow returns that
// same exact value, so the table only spares pow's general path.
double power_of_ten(double n) {
    if (n >= 0.0 && n <= kLargestExactPower && n == std::trunc(n))
        return kExactPowers[static_cast<std::size_t>(n)];
    return std::pow(10.0, n);
}

double batch_nudge(double y) {
    const double k = std::trunc(std::log10(y));
    return 1.0 / power_of_ten(kNudgeDigits - k);
}

} // namespace

double round_dec_batch_rule(double x, double n) {
    if (x == 0.0) return 0.0;
    const bool negative = x < 0.0;
    const double s = power_of_ten(n);
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
    const double scale = power_of_ten(n);
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
        r = std::trunc(y + 0.5 + 1.0 / power_of_ten(kNudgeDigits - k));
    }
    r /= scale;
    return negative ? -r : r;
}

} // namespace wtn
