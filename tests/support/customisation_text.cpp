#include "customisation_text.h"

#include "cp932_codec.h"

namespace wtn::test {

std::vector<std::string> front_end_customisation_lines() {
    return {"15",  "0",  "45", "40",   "ダミー行[互換用]",
            "1",   "0",  "1",  "10",   ".8",
            "2",   ".5", "1",  "0",    "3",
            "2.5", "1",  "1",  "12.5", "1"};
}

std::string customisation_file(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += utf8_to_cp932(line) + "\r\n";
    return text;
}

} // namespace wtn::test
