// The calculation input file written back from an InputRecord: the tests
// build an input in code and hand it to a program, and the round-trip tests
// and the input harness read back what they wrote. Every item goes out in its
// reference number format, through the same item tables the reader takes.
#pragma once

#include "input_record.h"

#include <string>

namespace wtn {

// Writes input as "<name>.CAL" in the current folder. Returns 0 when written,
// 1 when the file cannot be created or a write fails (no message).
int write_input(const InputRecord& input, const std::string& name);

} // namespace wtn
