// The batch programs' reader and writer of the run information CAL_FILE.INF
// (record and lines in run_info_file.h), in the current folder.
#pragma once

#include "run_info_file.h"

namespace wtn {

// Clears info, then reads CAL_FILE.INF from the current folder. Returns 0,
// or 1 without a message when the file cannot be opened (info stays
// cleared). Lines missing at the end of the file read as empty or 0.
int read_run_info(RunInfo& info);

// Writes CAL_FILE.INF. Returns 0, or 1 without a message when the file
// cannot be created or written.
int write_run_info(const RunInfo& info);

} // namespace wtn
