// The customisation values of TVNCSTM.DAT as the batch programs read them:
// lines 1 to 19 of the file the front end writes.
#pragma once

#include "customisation_file.h"

namespace wtn {

// Reads TVNCSTM.DAT from the current folder. Lines missing at the end of the
// file read as 0. Stops the program with exit code 1 when the file cannot be
// opened, when a line holds anything but one number, and when the division
// pitch is not positive (the pile could not be divided into elements).
CustomisationValues read_customisation();

// n of Chang's embedment L = n / β when line 16 holds 0.0 or less.
inline constexpr double kDefaultChangNumerator = 3.0;
// The n the calculation takes: line 16 when positive, else the usual 3.0.
inline constexpr double chang_numerator_in_use(const CustomisationValues& v) {
    return v.chang_embedment_numerator > 0.0 ? v.chang_embedment_numerator : kDefaultChangNumerator;
}

} // namespace wtn
