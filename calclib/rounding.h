// Decimal rounding of the batch programs, applied to each computed quantity
// right after it is computed, so reports and result files hold exactly the
// values the next step calculates with; and the small text-centring routine.
#pragma once

#include <string>
#include <string_view>

namespace wtn {

// x rounded to n decimals by the batch rule of decimal_rounding.h (n a whole
// number; negative n rounds to tens, hundreds, ...). A NaN or infinite x is a
// calculation fault: the program stops with a message naming the value.
double round_dec(double x, double n);

// text preceded by enough blanks to centre it in a field of width bytes (the
// odd blank goes in front); cut to width bytes without splitting a double-byte
// character. A text as wide as the field or wider comes back unchanged.
std::string centre_in_field(std::string_view text, int width);

} // namespace wtn
