#include "run_info.h"

#include "csv_line.h"
#include "file_io.h"
#include "text_lines.h"

#include <array>

namespace wtn {

int read_run_info(RunInfo& info) {
    info = RunInfo{};
    CFile file = open_file(kRunInfoFileName, "rt");
    if (!file) return 1;
    LineReader reader(file.get());
    std::string line;
    if (reader.next(line)) info.data_name = line;
    if (reader.next(line)) info.title = line;
    for (int* value : std::array<int*, 6>{&info.year, &info.month, &info.day, &info.hour,
                                          &info.minute, &info.second}) {
        if (!reader.next(line)) break;
        *value = text_to_integer(line);
    }
    return 0;
}

int write_run_info(const RunInfo& info) {
    CFile file = open_file(kRunInfoFileName, "wt");
    if (!file) return 1;
    std::FILE* f = file.get();
    write_crlf_line(f, info.data_name);
    write_crlf_line(f, info.title);
    for (int value : {info.year, info.month, info.day, info.hour, info.minute, info.second}) {
        write_crlf_line(f, std::to_string(value));
    }
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
