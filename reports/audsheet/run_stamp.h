// The run date and time stamp that every report page prints in its header.
// The first program of the chain stamps it once, so all later programs of the
// run read the same stamp.
#pragma once

#include "run_info.h"

#include <ctime>

namespace wtn {

// Stores the machine's local date and time into info: the year as its last
// two digits (the year modulo 100), month, day, hour, minute, second.
// Returns 0; it cannot fail.
int stamp_date_time(RunInfo& info);

// The same from a broken-down time (as std::localtime gives it).
void stamp_from(const std::tm& local, RunInfo& info);

} // namespace wtn
