#include "result_tables.h"

#include "number_text.h"
#include "text_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace wtn {
namespace {

// The fields of one line split at commas outside double quotes; quotes are
// dropped.
std::vector<std::string> split_fields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The field as a number when the whole of it (blanks round it aside) is one.
std::optional<double> number_field(const std::string& field) {
    std::string text = trim_blanks(field);
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> lines_or_none(const std::string& path) {
    try {
        return read_text_file(path);
    } catch (const DataError&) {
        return {};
    }
}

} // namespace

LevelResultTable read_level_result_table(const std::string& path) {
    LevelResultTable table;
    std::vector<std::string> lines = lines_or_none(path);
    for (std::size_t i = 0; i < lines.size() && i < kResultRealLines + kResultVerdictLines; ++i) {
        std::vector<std::string> fields = split_fields(lines[i]);
        for (std::size_t c = 0; c < fields.size() && c < kResultColumns; ++c) {
            std::optional<double> value = number_field(fields[c]);
            if (!value) continue;
            if (i < kResultRealLines) {
                if (*value > kAbsentRealLimit) table.values[i][c] = *value;
                continue;
            }
            Verdict& verdict = table.verdicts[i - kResultRealLines][c];
            if (*value == 0.0) verdict = Verdict::passed;
            if (*value == 1.0) verdict = Verdict::failed;
        }
    }
    return table;
}

bool any_check_failed(const LevelResultTable& table) {
    for (const auto& line : table.verdicts) {
        for (Verdict verdict : line) {
            if (verdict == Verdict::failed) return true;
        }
    }
    return false;
}

PileResultLine read_pile_result_line(const std::string& path) {
    PileResultLine line;
    std::vector<std::string> lines = lines_or_none(path);
    if (lines.empty()) return line;
    std::vector<std::string> fields = split_fields(lines[0]);
    fields.resize(4);
    line.stage = trim_blanks(fields[0]);
    line.pile_name = trim_blanks(fields[1]);
    line.embedment_depth = number_field(fields[2]);
    line.pile_length = number_field(fields[3]);
    return line;
}

} // namespace wtn
