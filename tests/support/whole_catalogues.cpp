#include "whole_catalogues.h"

#include <algorithm>

namespace wtn {

namespace {

int selected_in(const PileIdList& list, int id) {
    const auto end = list.ids.begin() + list.count;
    return std::find(list.ids.begin(), end, id) != end ? 1 : 0;
}

PileTable all_installed(const InputRecord& input, bool pc) {
    PileTable rows = read_installed_catalogues(pc);
    for (PileRecord& pile : rows)
        pile.selected = selected_in(input.catalogue_piles, pile.id);
    return rows;
}

} // namespace

PileTable read_all_steel_piles(const InputRecord& input) {
    return all_installed(input, false);
}

PileTable read_all_pc_piles(const InputRecord& input) {
    return all_installed(input, true);
}

int read_all_added_piles(const InputRecord& input, int kind, PileTable& table) {
    PileTable rows;
    if (!read_added_catalogue(kind, rows)) return 0;
    for (PileRecord& pile : rows) {
        pile.selected = selected_in(input.added_piles, pile.id);
        table.push_back(pile);
    }
    return static_cast<int>(rows.size());
}

} // namespace wtn
