#include "result_table_file.h"

#include "format_values.h"
#include "number_field.h"
#include "text_trim.h"

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

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

std::optional<double> result_value(const ResultColumn& column, ResultValue d) {
    const double value = column.value[at(d)];
    if (value <= kAbsentRealLimit) return std::nullopt;
    return value;
}

Verdict result_verdict(const ResultColumn& column, ResultFlag f) {
    const int flag = column.flag[at(f)];
    if (flag == 0) return Verdict::passed;
    if (flag == 1) return Verdict::failed;
    return Verdict::absent;
}

std::vector<std::string> level_result_table_lines(const LevelResultTable& table) {
    const auto& col = table.columns;
    std::vector<std::string> lines;
    for (ResultValue d : kResultValueLines) {
        lines.push_back(format_text("%lf,%lf,%lf,%lf", col[0].value[at(d)], col[1].value[at(d)],
                                    col[2].value[at(d)], col[3].value[at(d)]));
    }
    for (int f = kF1; f <= kF6; ++f) {
        lines.push_back(format_text("%d,%d,%d,%d", col[0].flag[at(f)], col[1].flag[at(f)],
                                    col[2].flag[at(f)], col[3].flag[at(f)]));
    }
    return lines;
}

LevelResultTable level_result_table_from_lines(const std::vector<std::string>& lines) {
    LevelResultTable table;
    for (std::size_t i = 0; i < lines.size() && i < at(kResultTableLines); ++i) {
        const std::vector<std::string> fields = split_fields(lines[i]);
        for (std::size_t c = 0; c < fields.size() && c < at(kResultColumns); ++c) {
            const std::optional<double> value = whole_number(fields[c]);
            if (!value) continue;
            ResultColumn& column = table.columns[c];
            if (i < at(kResultValues)) {
                column.value[at(kResultValueLines[i])] = *value;
                continue;
            }
            // Only a clean 0 or 1 is a verdict; the flag keeps -1 otherwise.
            const std::size_t f = i - at(kResultValues);
            if (*value == 0.0) column.flag[f] = 0;
            if (*value == 1.0) column.flag[f] = 1;
        }
    }
    return table;
}

std::string pile_result_line_text(const std::string& stage, const std::string& pile_name,
                                  double tip_level, double pile_length) {
    return format_text("%c%s%c,%c%s%c,%8.3lf,%8.3lf", '"', stage.c_str(), '"', '"',
                       pile_name.c_str(), '"', tip_level, pile_length);
}

PileResultLine pile_result_line_from_text(const std::string& text) {
    PileResultLine line;
    std::vector<std::string> fields = split_fields(text);
    fields.resize(4);
    line.stage = trim_blanks(fields[0]);
    line.pile_name = trim_blanks(fields[1]);
    line.embedment_depth = whole_number(fields[2]);
    line.pile_length = whole_number(fields[3]);
    return line;
}

} // namespace wtn
