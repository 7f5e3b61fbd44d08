#include "fixed_run_stamp.h"

namespace wtn::test {

RunInfo stamped_run(const std::string& data_name, const std::string& title) {
    RunInfo info;
    info.data_name = data_name;
    info.title = title;
    info.year = 7;
    info.month = 2;
    info.day = 3;
    info.hour = 9;
    info.minute = 5;
    info.second = 7;
    return info;
}

std::string stamped_run_file(const std::string& data_name, const std::string& title) {
    std::string text;
    for (const std::string& line : run_info_lines(stamped_run(data_name, title),
                                                  [](int value) { return std::to_string(value); }))
        text += line + "\r\n";
    return text;
}

} // namespace wtn::test
