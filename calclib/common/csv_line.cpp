#include "csv_line.h"

#include "cp932_codec.h"

namespace wtn {

namespace {
const std::string kEmpty;
}

const std::string& CsvLine::field(std::size_t i) const {
    return i < fields.size() ? fields[i] : kEmpty;
}
const std::string& CsvLine::text(std::size_t i) const {
    return i < texts.size() ? texts[i] : kEmpty;
}
double CsvLine::real(std::size_t i) const {
    return text_to_real(field(i));
}
int CsvLine::integer(std::size_t i) const {
    return text_to_integer(field(i));
}

std::string quoted_csv_text(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void split_csv_line(const std::string& text, CsvLine& line) {
    line.fields.assign(1, std::string());
    line.texts.clear();
    // The field a quote opened in: a string takes no field, so the comma before
    // it and the comma after it together advance the field index by one. A
    // line that begins with a string has no field before it; its bytes up to
    // the next comma are dropped (no writer produces such a line).
    long index = 0;
    bool in_quote = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (is_cp932_double_byte(text, i)) {
            // Before the first comma of a line that began with a string there
            // is no field: the character is dropped, and no slot is indexed.
            if (in_quote) {
                line.texts.back().append(text, i, 2);
            } else if (index >= 0) {
                line.fields[static_cast<std::size_t>(index)].append(text, i, 2);
            }
            ++i;
            continue;
        }
        if (in_quote) {
            if (c == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) {
                in_quote = false;
                continue;
            }
            line.texts.back() += c;
            if (c == '"') ++i; // the second quote of a doubled pair
            continue;
        }
        if (c == ',') {
            ++index;
            if (index >= 0 && static_cast<std::size_t>(index) >= line.fields.size()) {
                line.fields.emplace_back();
            } else if (index >= 0) {
                line.fields[static_cast<std::size_t>(index)].clear();
            }
            continue;
        }
        if (c == '"') {
            in_quote = true;
            line.texts.emplace_back();
            // The slot the comma before the string opened is given back.
            if (index >= 0 && static_cast<std::size_t>(index) + 1 == line.fields.size() &&
                line.fields.back().empty() && index > 0) {
                line.fields.pop_back();
            }
            --index;
            continue;
        }
        if (index >= 0) line.fields[static_cast<std::size_t>(index)] += c;
    }
}

int read_csv_line(LineReader& reader, CsvLine& line) {
    std::string text;
    if (!reader.next(text)) return kCsvEndOfFile;
    if (!text.empty() && text[0] == '#') {
        line.fields.clear();
        line.texts.clear();
        return kCsvComment;
    }
    split_csv_line(text, line);
    return kCsvData;
}

} // namespace wtn
