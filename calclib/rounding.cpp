#include "rounding.h"

#include "cp932_codec.h"
#include "decimal_rounding.h"
#include "error_messages.h"

#include <cmath>
#include <cstdio>

namespace wtn {
double round_dec(double x, double n) {
    if (!std::isfinite(x)) {
        char text[96];
        std::snprintf(text, sizeof text, "(ERROR)-計算値が数値になりません(%g).丸めできません.", x);
        stop_with_error(text);
    }
    return round_dec_batch_rule(x, n);
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
