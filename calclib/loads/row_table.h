// Fixed-room row tables of the load results. The room of each table is part
// of the result-file layout (every table is written at its full room), so it
// cannot grow at run time; a row that does not fit stops the program with a
// message naming the table instead of writing past its end.
#pragma once

#include <array>
#include <string_view>

namespace wtn {

template <class Row, int Room> struct RowTable {
    static constexpr int room = Room;
    std::array<Row, Room> rows{};
    int count = 0;

    Row& operator[](int i) { return rows[static_cast<std::size_t>(i)]; }
    const Row& operator[](int i) const { return rows[static_cast<std::size_t>(i)]; }
    Row& back() { return rows[static_cast<std::size_t>(count - 1)]; }
};

// Shows "(ERROR)-<table>の行数が上限(<room>)を超えました." and stops with exit
// code 1. table is code page 932 text.
[[noreturn]] void stop_table_full(std::string_view table, int room);

// Appends row, or stops when the table is full.
template <class Row, int Room>
Row& append_row(RowTable<Row, Room>& table, const Row& row, std::string_view table_name) {
    if (table.count >= Room) stop_table_full(table_name, Room);
    table[table.count] = row;
    return table[table.count++];
}

// Opens a place at index by moving rows index .. count - 1 one place down;
// the row at index is left as it was (a copy of the row that moved). Stops
// when the table is full.
template <class Row, int Room>
void open_row_at(RowTable<Row, Room>& table, int index, std::string_view table_name) {
    if (table.count >= Room) stop_table_full(table_name, Room);
    for (int r = table.count; r > index; --r)
        table[r] = table[r - 1];
    ++table.count;
}

} // namespace wtn
