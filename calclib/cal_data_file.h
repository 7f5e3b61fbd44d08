// The one-line name file CAL_DATA.
#pragma once

#include <string>

namespace wtn {

inline constexpr const char* kCalDataFileName = "CAL_DATA";

// Reads the first line of CAL_DATA into text. Returns 0, or 1 when the file
// cannot be opened (text unchanged).
int read_cal_data(std::string& text);

// Writes text as the only line of CAL_DATA. Returns 0, or 1 when the file
// cannot be created or written.
int write_cal_data(const std::string& text);

} // namespace wtn
