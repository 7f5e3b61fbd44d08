#include "row_edit.h"

namespace wtn::ground {

void edit_rows(int action, const RowTable& table, ui::ListBox& list) {
    int& n = table.count;
    const int sel = list.list_index();
    if (action == kAddAction) {
        if (n >= table.room) return;
        table.put_boxes(n);
        ++n;
        table.rebuild_list();
        list.set_list_index(n - 1);
    } else if (action == kInsertAction) {
        if (sel < 0 || n >= table.room) return;
        for (int i = n - 1; i >= sel; --i)
            table.move(i + 1, i);
        table.put_boxes(sel);
        ++n;
        table.rebuild_list();
        list.set_list_index(sel);
    } else {
        if (sel < 0) return;
        for (int i = sel; i < n - 1; ++i)
            table.move(i, i + 1);
        if (table.clear) table.clear(n - 1);
        --n;
        table.rebuild_list();
        const int next = sel > n - 1 ? sel - 1 : sel;
        if (next >= 0) list.set_list_index(next);
    }
}

} // namespace wtn::ground
