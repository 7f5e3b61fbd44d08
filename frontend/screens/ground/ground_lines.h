// The list lines of the ground-surface screen (fills, surcharge zones, ground
// points) and of the external-force screen, as plain functions of one row.
// A line is the row number right-aligned in 3 columns, then each value with
// its mask right-aligned in a field of fixed width, in half-width cells of
// the fixed-pitch list font. A value wider than its field is shown whole and
// lengthens the line: a number is never cut.
#pragma once

#include "design_data.h"
#include "text_trim.h"

#include <array>
#include <string>
#include <string_view>

namespace wtn::ground {

// One value column of a list: its mask and field width in half-width cells.
struct LineColumn {
    const char* mask;
    int width;
};

inline constexpr int kNumberWidth = 3;

inline constexpr std::array<LineColumn, 3> kMoridColumns{{
    {"###0.00", 15},  // top level
    {"###0.000", 15}, // wet unit weight
    {"###0.000", 15}, // saturated unit weight
}};
inline constexpr std::array<LineColumn, 4> kJosaiColumns{{
    {"###0.000", 12}, // start x
    {"###0.000", 12}, // end x
    {"###0.00", 12},  // intensity, normal case
    {"###0.00", 12},  // intensity, seismic case
}};
inline constexpr std::array<LineColumn, 2> kTikeiColumns{{
    {"###0.000", 12}, // x
    {"###0.000", 12}, // y
}};

// Lines of one row at 0-based list position p (numbered p + 1).
std::string morid_line(int p, const MoridRow& row);
std::string josai_line(int p, const JosaiRow& row);
std::string tikei_line(int p, const TikeiPoint& row);

// External-force line: number, three blanks, the trimmed name padded to 24
// cells, the direction word, the force in 14 cells and the height in 13,
// both "###0.000".
inline constexpr int kForceNameCells = 24;
inline constexpr int kForceWidth = 14;
inline constexpr int kHeightWidth = 13;
inline constexpr const char* kForceMask = "###0.000";
inline constexpr const char* kActiveWord = "主働";
inline constexpr const char* kPassiveWord = "受働";
std::string gm17_line(int p, const GairyokuRec& row);

// The name field of a force from a name box's text: blanks trimmed at both
// ends, cut to 20 characters, padded with blanks to 20 characters.
std::string force_name_field(std::string_view text);

} // namespace wtn::ground
