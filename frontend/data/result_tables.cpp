#include "result_tables.h"

#include "number_text.h"
#include "text_file.h"

#include <vector>

namespace wtn {
namespace {

std::vector<std::string> lines_or_none(const std::string& path) {
    try {
        return read_text_file(path);
    } catch (const DataError&) {
        return {};
    }
}

} // namespace

LevelResultTable read_level_result_table(const std::string& path) {
    return level_result_table_from_lines(lines_or_none(path));
}

bool any_check_failed(const LevelResultTable& table) {
    for (const ResultColumn& column : table.columns) {
        for (int f = kF1; f < kResultFlags; ++f) {
            if (result_verdict(column, static_cast<ResultFlag>(f)) == Verdict::failed) return true;
        }
    }
    return false;
}

PileResultLine read_pile_result_line(const std::string& path) {
    const std::vector<std::string> lines = lines_or_none(path);
    if (lines.empty()) return {};
    return pile_result_line_from_text(lines[0]);
}

} // namespace wtn
