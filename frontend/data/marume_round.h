// The front end's decimal rounding of the values it derives (converted units
// of older projects, hb levels, derived items of the calculation input), so
// that they match what the batch programs compute and print.
#pragma once

namespace wtn::marume {

// x rounded to n decimals (n a whole number, 0 to 3 in practice). Half up
// after a relative nudge of 10^(k − 15), k = floor(log10 of the scaled value),
// so 2.675 rounds as its decimal text reads; a scaled value whose fraction,
// taken before the nudge, lies strictly between 0.4999 and 0.5001 goes to
// the even neighbour. The sign is applied after rounding the magnitude.
// A value that is not finite comes back unchanged (the writers refuse it).
double round_dec(double x, double n);

} // namespace wtn::marume
