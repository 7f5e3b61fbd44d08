// The switches of the calculation input that both stability programs read
// the same way: the three check digits, the embedment method and the label
// a tide level goes by in their tables.
#pragma once

#include "input_record.h"
#include "wall_codes.h"

#include <cstddef>
#include <string>

namespace wtn {

// The three digits of CalcSwitches item 9 ("%03d"): reaction, displacement,
// stress; a check is on when its digit is 1.
struct CheckSwitches {
    bool reaction = false;
    bool displacement = false;
    bool stress = false;
};
CheckSwitches check_switches(int decision_code);

// Stops the program with a message, before any result or page is written,
// for an embedment method outside 1 to 5: no program can compute or report it.
void check_embedment_method(EmbedmentMethod method);

// Room of a tide-level label, the terminating zero of the work files included.
inline constexpr std::size_t kTideLabelRoom = 17;

// The label of tide level (0 H.H.W.L. to 3 the user-named level) in result
// tables: "H.H.W.L.", " H.W.L. ", " L.W.L. " (centred in eight columns) or
// the user's name, cut to the label room without splitting a character.
std::string tide_level_label(const InputRecord& input, int level);

// A tide-level name cut to the label room without splitting a character.
std::string fitted_tide_name(const std::string& name);

} // namespace wtn
