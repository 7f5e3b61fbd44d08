#include "rounding.h"

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

} // namespace wtn
