// Blanks around a text value: the one rule every reader of both sides uses
// to take a field or a line without the blanks that pad it.
#pragma once

#include <string>
#include <string_view>

namespace wtn {

// The blanks a padded field of the system's files holds.
inline constexpr std::string_view kFieldBlanks = " ";
// The blanks of a line written by hand or by a program that pads with tabs.
inline constexpr std::string_view kBlanksAndTabs = " \t";

// text without the leading and trailing characters of blanks.
std::string trim_blanks(std::string_view text, std::string_view blanks = kFieldBlanks);

} // namespace wtn
