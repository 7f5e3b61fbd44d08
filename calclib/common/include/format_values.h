// printf-style formatting of a value line into a string of whatever length
// the values need, so no figure is ever cut off.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

namespace wtn {

// A real that is infinite or not a number, met while a value is formatted
// for a file: what the program computed is no number, and nothing of it may
// be written (a later program would read it, or a page would print "inf").
// Thrown by the formatters below; the batch frame stops the program with
// its message. Not a std::exception, so no general handler takes it for
// another fault.
struct NonFiniteValue {
    double value = 0.0;
};

// NonFiniteValue for a real that is not finite.
std::string format_values(const char* format, va_list args);

// Formats values into a string as long as they need.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Formats and writes one line ending in CR LF.
void write_values_line(std::FILE* file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

} // namespace wtn
