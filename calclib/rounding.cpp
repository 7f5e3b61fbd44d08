#include "rounding.h"

#include "cp932_codec.h"
#include "error_messages.h"

#include <cmath>
#include <cstdio>

namespace wtn {
namespace {

// Relative nudge added before taking a floor: 10^(k-15), k the integer part of
// log10 y truncated toward zero (values below 1 give k = 0).
double nudge(double y) {
    double k = std::trunc(std::log10(y));
    return 1.0 / std::pow(10.0, 15.0 - k);
}

} // namespace

double round_dec(double x, double n) {
    if (!std::isfinite(x)) {
        char text[96];
        std::snprintf(text, sizeof text, "(ERROR)-計算値が数値になりません(%g).丸めできません.", x);
        stop_with_error(text);
    }
    if (x == 0.0) return 0.0;
    const bool negative = x < 0.0;
    const double s = std::pow(10.0, n);
    const double y = std::fabs(x) * s;
    const double f = std::floor(y + nudge(y));
    const double d = y - f;
    double r = 0.0;
    if (d > 0.4999 && d < 0.5001) {
        r = std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
    } else {
        r = std::floor(y + 0.5 + nudge(y));
    }
    r /= s;
    return negative ? -r : r;
}

std::string centre_in_field(std::string_view text, int width) {
    const int free = width - static_cast<int>(text.size());
    if (free <= 0) return std::string(text);
    int pad = free / 2;
    if (free % 2 != 0) ++pad;
    if (pad <= 0) return std::string(text);
    std::string out(static_cast<std::size_t>(pad), ' ');
    out.append(text);
    return out.substr(0, cp932_fit(out, static_cast<std::size_t>(width)));
}

} // namespace wtn
