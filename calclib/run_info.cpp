#include "run_info.h"

#include "file_io.h"
#include "text_lines.h"

namespace wtn {

int read_run_info(RunInfo& info) {
    info = RunInfo{};
    CFile file = open_file(kRunInfoFileName, "rt");
    if (!file) return 1;
    LineReader reader(file.get());
    std::vector<std::string> lines;
    std::string line;
    while (static_cast<int>(lines.size()) < kRunInfoLines && reader.next(line))
        lines.push_back(line);
    info = run_info_from_lines(lines);
    return 0;
}

int write_run_info(const RunInfo& info) {
    CFile file = open_file(kRunInfoFileName, "wt");
    if (!file) return 1;
    for (const std::string& line :
         run_info_lines(info, [](int value) { return std::to_string(value); })) {
        write_crlf_line(file.get(), line);
    }
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
