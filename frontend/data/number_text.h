// Number and text items of the front end's files. Both the comma files
// (project file, customisation file) and the calculation input write a real
// in its shortest form of up to 15 significant digits, without a 0 before the
// decimal point (.5, -.25), and in the "E" form when the decimal exponent is
// 15 or more or below -4 (1E+15, 1.5E-05). Always the C locale's point.
#pragma once

#include "text_trim.h"

#include <stdexcept>
#include <string>

namespace wtn {

// A value or text that cannot be written or read; the message names it.
struct DataError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The shortest text of x (no blanks). A value that is not finite is never
// written: DataError naming what.
std::string real_text(double x, const std::string& what);
std::string integer_text(int value);

// Items of the calculation input: a blank or "-", the digits, one blank.
std::string cal_real_item(double x, const std::string& what);
std::string cal_integer_item(int value);

// text as exactly length characters (not bytes): cut, or padded with blanks.
std::string fixed_text(const std::string& text, int length);

// Refuses a text that would break the line it is written on: a double quote
// ends a quoted item early, a line break ends the line. caption names the
// field in the message.
void check_text_item(const std::string& text, const std::string& caption);

// Nearest integer, halves to the even one, as integer fields take numbers.
// A value outside the 16-bit range is DataError naming what.
int to_integer16(double x, const std::string& what);

} // namespace wtn
