// What the sheet-pile screen and the catalogue dialogs share: the measures of
// their controls and lists.
#pragma once

#include "front_end_services.h"

#include <string>

namespace wtn::pile {

inline constexpr int kLabelHeight = 240;
inline constexpr int kBoxHeight = 300;
// Catalogue and steel-pipe lists: the fixed-pitch font at 9 points, whose
// half-width cell is 90 twips, and the list's inner margin before cell 1.
inline constexpr double kListFontSize = 9;
inline constexpr int kCell = 90;
inline constexpr int kListInset = 45;

// Left of a list column (1-based cell) of a list whose left is list_left.
inline int cell_left(int list_left, int column) {
    return list_left + kListInset + (column - 1) * kCell;
}

} // namespace wtn::pile
