// The run information CAL_FILE.INF: the project's data name, its title and
// the date and time of the run, printed in every report-page header. The
// front end writes it with a zero stamp before each run; the first program
// of the chain stamps it and rewrites it; every later program reads it.
// Eight lines: name, title, then year (two digits), month, day, hour,
// minute and second, one integer a line.
#pragma once

#include "file_names.h"

#include <string>

namespace wtn {

struct RunInfo {
    std::string data_name; // project name without folder and extension (code page 932)
    std::string title;     // project title as the front end wrote it, kept whole
    int year = 0;          // two digits
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Clears info, then reads CAL_FILE.INF from the current folder. Returns 0,
// or 1 without a message when the file cannot be opened (info stays
// cleared). Lines missing at the end of the file read as empty or 0.
int read_run_info(RunInfo& info);

// Writes CAL_FILE.INF. Returns 0, or 1 without a message when the file
// cannot be created or written.
int write_run_info(const RunInfo& info);

} // namespace wtn
