// The list lines of the soil-layer screen: one line per layer, nine columns
// side by side (number, top, wet and saturated unit weight, friction angle,
// C0, K, N value, lateral-resistance constant), each value formatted with its
// mask and right-aligned in its column. A value wider than its column widens
// the line: nothing is cut, so the line always shows the whole number.
#pragma once

#include "controls.h"
#include "design_data.h"

#include <string>

namespace wtn::soil {

inline constexpr std::size_t kNumberWidth = 3;
inline constexpr std::size_t kColumnWidth = 12;
inline constexpr std::size_t kConstantWidth = 16;
// A line whose values all fit: the number, seven columns and the constant.
inline constexpr std::size_t kLineWidth = kNumberWidth + 7 * kColumnWidth + kConstantWidth;
inline constexpr const char* kShortDash = "        ----";
inline constexpr const char* kLongDash = "        --------";

// How one side shows its N value and constant columns.
struct LineSwitches {
    // Each layer carries its own lateral-resistance option (gm15_K_sw /
    // gm16_K_sw); otherwise the side's method record applies and shows on the
    // first line only.
    bool per_layer = true;
    // The side's lateral resistance is not studied (only the other study is
    // on): both columns dashed on every line.
    bool blanked = false;
};

// Line of layer p (counted from 0) with every column.
std::string full_line(int p, const DosouRec& row, const DosouHohoRec& hoho, LineSwitches sw);
// Line of layer p with both method columns dashed: the later layers of a side
// with one method.
std::string short_line(int p, const DosouRec& row);
// The line the list shows for layer p: short for a later layer of a side with
// one method, full otherwise.
std::string list_line(int p, const DosouRec& row, const DosouHohoRec& hoho, LineSwitches sw);

// Appends the line of layer p (add_gm15_list, add_gm16_list).
void add_list_line(ui::ListBox& list, int p, const DosouRec& row, const DosouHohoRec& hoho,
                   LineSwitches sw);
// Rewrites the line of layer p in place (set_gm15_list, set_gm16_list). On a
// side with one method, a later layer's edit may change the method values
// that line 0 shows: line 0 is then rebuilt whole from row 0. Selection and
// line count stay.
void set_list_line(ui::ListBox& list, int p, const DosouRec& row, const DosouRec& row0,
                   const DosouHohoRec& hoho, LineSwitches sw);

} // namespace wtn::soil
