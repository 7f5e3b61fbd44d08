#include "run_info_file.h"

#include "csv_line.h"

namespace wtn {

RunInfo run_info_from_lines(const std::vector<std::string>& lines) {
    RunInfo info;
    if (lines.size() > 0) info.data_name = lines[0];
    if (lines.size() > 1) info.title = lines[1];
    for (std::size_t k = 0; k < kRunInfoStamp.size() && k + 2 < lines.size(); ++k)
        info.*kRunInfoStamp[k] = text_to_integer(lines[k + 2]);
    return info;
}

} // namespace wtn
