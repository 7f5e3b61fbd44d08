#include "cal_data_file.h"

#include "file_io.h"
#include "text_lines.h"

namespace wtn {

int read_cal_data(std::string& text) {
    CFile file = open_file(kCalDataFileName, "rt");
    if (!file) return 1;
    LineReader reader(file.get());
    std::string line;
    reader.next(line);
    text = line;
    return 0;
}

int write_cal_data(const std::string& text) {
    CFile file = open_file(kCalDataFileName, "wt");
    if (!file) return 1;
    write_crlf_line(file.get(), text);
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
