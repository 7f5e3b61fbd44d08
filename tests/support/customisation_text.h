// The customisation file TVNCSTM.DAT as a test writes it: one value a line,
// code page 932, CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace wtn::test {

// Index of the division pitch of multi-layer ground (line 12) and of the
// compatibility line the programs skip (line 5) in a list of lines.
inline constexpr std::size_t kDivisionPitchLine = 11;
inline constexpr std::size_t kCompatibilityLine = 4;

// The twenty lines (UTF-8) the front end installs: wall friction 15°, clay
// failure angles 45° and 40°, pile tip fixed, division pitch 0.5 m.
std::vector<std::string> front_end_customisation_lines();

// The file text of lines (UTF-8), in code page 932.
std::string customisation_file(const std::vector<std::string>& lines);

} // namespace wtn::test
