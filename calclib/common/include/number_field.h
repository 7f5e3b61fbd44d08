// The number rules of the text files both sides read field by field (the
// customisation file, the sheet-pile catalogues, the result tables, the
// adopted values): a field holds one number and nothing else, so a value
// cannot read as one number in the dialog and as another in the
// calculation. The calculation input alone keeps the C library's
// leading-number reading, which its older files rely on.
#pragma once

#include "text_trim.h"

#include <optional>
#include <string>
#include <string_view>

namespace wtn {

inline constexpr int kInt16Min = -32768;
inline constexpr int kInt16Max = 32767;

// The number a whole field holds (spaces around it allowed, a leading "+"
// allowed); empty when the field is blank or not one finite number.
std::optional<double> whole_number(std::string_view text);

// The whole decimal integer a field holds (the blanks given around it
// allowed, a sign allowed); empty when the field is blank, holds anything
// else, or the integer lies beyond int.
std::optional<int> whole_integer_field(std::string_view text,
                                       std::string_view blanks = kFieldBlanks);

// As whole_number, but a blank field reads as 0. False when the text is not
// a finite number.
bool parse_real(const std::string& text, double& value);

// How a field that holds a number fails as a 16-bit integer.
enum class IntegerField { Read, NotANumber, OutOfRange };

// The field as a 16-bit integer: the nearest whole number, halves to the
// even one.
IntegerField parse_integer16(const std::string& text, int& value);

// The leading number of a text with the C library's rules (atof and atoi:
// leading blanks skipped, reading stops at the first character that cannot
// continue the number, a text without one reads as 0; an integer beyond int
// is held at its limit).
double text_to_real(const std::string& text);
int text_to_integer(const std::string& text);

} // namespace wtn
