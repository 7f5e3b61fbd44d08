// Decimal rounding of the batch programs, applied to each computed quantity
// right after it is computed, so reports and result files hold exactly the
// values the next step calculates with.
#pragma once

#include <string>
#include <string_view>

namespace wtn {

// x rounded to n decimals by the batch rule of decimal_rounding.h (n a whole
// number; negative n rounds to tens, hundreds, ...). A NaN or infinite x is a
// calculation fault: the program stops with a message naming the value.
double round_dec(double x, double n);

} // namespace wtn
