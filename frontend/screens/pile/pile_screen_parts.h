// What the sheet-pile screen and the catalogue dialogs share: the measures of
// their controls and lists.
#pragma once

#include "controls.h"

namespace wtn::pile {

inline constexpr int kLabelHeight = 240;
inline constexpr int kBoxHeight = 300;
// Catalogue and steel-pipe lists: the list's inner margin before cell 1.
inline constexpr int kListInset = 45;

// Left of a list column (1-based cell) of a list whose left is list_left.
inline int cell_left(int list_left, int column) {
    return ui::list_cell_left(list_left, kListInset, column - 1);
}

} // namespace wtn::pile
