// The add, insert and delete buttons of a table of rows shown one a line in
// a list: what each does to the rows and their count, and the line selected
// afterwards.
#pragma once

#include "controls.h"

#include <functional>

namespace wtn::ground {

// The buttons of a table, in the order of their indices.
inline constexpr int kAddAction = 0;
inline constexpr int kInsertAction = 1;
inline constexpr int kDeleteAction = 2;

struct RowTable {
    int& count;
    int room;
    // Copies row `from` into row `to`.
    std::function<void(int to, int from)> move;
    // Writes the values of the editor's boxes into row i.
    std::function<void(int i)> put_boxes;
    // Blanks row i, left over at the end by a delete; may be empty.
    std::function<void(int i)> clear;
    // Rewrites the list from the rows.
    std::function<void()> rebuild_list;
};

// Add appends the boxes' row and selects it; insert puts it before the
// selected line; delete removes the selected line and selects the line now in
// its place, or the last. The buttons are disabled where an action does not
// apply (a full table, no line selected): a call from code that bypasses
// them changes nothing.
void edit_rows(int action, const RowTable& table, ui::ListBox& list);

} // namespace wtn::ground
