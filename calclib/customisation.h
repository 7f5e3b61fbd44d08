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

} // namespace wtn
