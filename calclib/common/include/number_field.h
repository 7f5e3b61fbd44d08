// The number rules of the text files both sides read field by field (the
// customisation file, the sheet-pile catalogues): a field holds one number
// and nothing else, so a value cannot read as one number in the dialog and
// as another in the calculation.
#pragma once

#include <string>

namespace wtn {

inline constexpr int kInt16Min = -32768;
inline constexpr int kInt16Max = 32767;

// The number a whole field holds (spaces around it allowed, a leading "+"
// allowed, "" reads as 0). False when the text is not a finite number.
bool parse_real(const std::string& text, double& value);

// How a field that holds a number fails as a 16-bit integer.
enum class IntegerField { Read, NotANumber, OutOfRange };

// The field as a 16-bit integer: the nearest whole number, halves to the
// even one.
IntegerField parse_integer16(const std::string& text, int& value);

} // namespace wtn
