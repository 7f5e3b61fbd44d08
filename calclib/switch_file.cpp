#include "switch_file.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "text_lines.h"

#include <string>

namespace wtn {

int read_prg_sw() {
    CFile file = open_file(kSwitchFileName, "rt");
    if (!file) stop_with_error(ErrorCode::PrgSwOpen);
    LineReader reader(file.get());
    std::string line;
    const bool has_line = reader.next(line);
    const int value = text_to_integer(line);
    if (!has_line || (value != 0 && value != 1)) {
        stop_with_error("(ERROR)-システムSWファイル(prg_sw.dat)の値(" + line +
                        ")は 0 か 1 にして下さい.");
    }
    return value;
}

} // namespace wtn
