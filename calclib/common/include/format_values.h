// printf-style formatting of a value line into a string of whatever length
// the values need, so no figure is ever cut off.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

namespace wtn {

std::string format_values(const char* format, va_list args);

// Formats values into a string as long as they need.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formats and writes one line ending in CR LF.
void write_values_line(std::FILE* file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

} // namespace wtn
