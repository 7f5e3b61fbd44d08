#include "row_table.h"

#include "error_messages.h"

#include <string>

namespace wtn {

void stop_table_full(std::string_view table, int room) {
    std::string text = "(ERROR)-";
    text += table;
    text += "の行数が上限(" + std::to_string(room) + ")を超えました.";
    stop_with_error(text);
}

} // namespace wtn
