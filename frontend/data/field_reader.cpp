#include "field_reader.h"

#include "number_text.h"

#include <charconv>
#include <cmath>

namespace wtn {

namespace {

void split_line(const std::string& line, std::size_t line_no, auto&& add) {
    std::size_t i = 0;
    const std::size_t n = line.size();
    if (line.find_first_not_of(" \t") == std::string::npos) return; // an empty line holds no field
    while (i <= n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        std::string field;
        if (i < n && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? n : close;
            field = line.substr(i + 1, end - i - 1);
            // Anything between the closing quote and the next comma is dropped.
            const std::size_t comma = line.find(',', end);
            add(std::move(field), line_no);
            if (comma == std::string::npos) return;
            i = comma + 1;
            continue;
        }
        const std::size_t comma = line.find(',', i);
        const std::size_t end = comma == std::string::npos ? n : comma;
        add(trim_blanks(line.substr(i, end - i)), line_no);
        if (comma == std::string::npos) return;
        i = comma + 1;
    }
}

} // namespace

FieldReader::FieldReader(const std::vector<std::string>& lines, std::string path,
                         std::size_t first_line)
    : path_(std::move(path)) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        split_line(lines[i], first_line + i, [this](std::string text, std::size_t line) {
            fields_.push_back(Field{std::move(text), line});
        });
}

const FieldReader::Field& FieldReader::take(const std::string& what) {
    if (at_end())
        throw DataError("ファイル「" + path_ + "」が途中で終わっています（" + what + "）。");
    return fields_[next_++];
}

void FieldReader::fail(const Field& field, const std::string& why) const {
    throw DataError("ファイル「" + path_ + "」の" + std::to_string(field.line) + "行目: " + why);
}

std::string FieldReader::text(const std::string& what) {
    return take(what).text;
}

double FieldReader::real(const std::string& what) {
    const Field& field = take(what);
    double value = 0.0;
    if (!parse_real(field.text, value)) fail(field, what + "が数値ではありません。");
    return value;
}

int FieldReader::integer(const std::string& what) {
    const Field& field = take(what);
    double value = 0.0;
    if (!parse_real(field.text, value)) fail(field, what + "が数値ではありません。");
    try {
        return to_integer16(value, what);
    } catch (const DataError& e) {
        fail(field, e.what());
    }
}

} // namespace wtn
