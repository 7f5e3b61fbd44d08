// The two decimal-rounding rules of the system. Both round half up after a
// relative nudge of 10^(k - 15) of the scaled value y = |x| * 10^n, so that
// 2.675 rounds as its decimal text reads, send a fraction strictly between
// 0.4999 and 0.5001 to the even neighbour, and apply the sign of x last. They
// differ in two details and each side keeps its own, so that no stored value
// moves:
// - batch rule: k = log10(y) truncated toward zero (0 for y below 1); the
//   fraction tested is y less floor(y + nudge).
// - front-end rule: k = floor(log10(y)); the fraction tested is y less its
//   whole part, taken before the nudge.
// x must be finite for the batch rule; the front-end rule returns a value that
// is not finite, or whose scaled value is not, unchanged.
#pragma once

namespace wtn {

double round_dec_batch_rule(double x, double n);
double round_dec_front_end_rule(double x, double n);

} // namespace wtn
