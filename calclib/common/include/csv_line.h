// The one reader of the batch programs' comma-separated text lines.
// A line splits into two lists: the unquoted fields in line order, and the
// double-quoted strings in line order. A quoted string takes no place among
// the unquoted fields ("gyonm,\"ABC\"" gives fields {gyonm} and texts {ABC}).
// Blanks are data; a doubled quote inside a string stands for one quote;
// a code page 932 double-byte character is never split. Fields are kept whole
// whatever their length.
#pragma once

#include "number_field.h"
#include "text_lines.h"

#include <string>
#include <vector>

namespace wtn {

struct CsvLine {
    std::vector<std::string> fields;
    std::vector<std::string> texts;

    // Field or string i, empty when the line does not reach it.
    const std::string& field(std::size_t i) const;
    const std::string& text(std::size_t i) const;
    // Field i read with the C library's leading-number rules (text_to_real,
    // text_to_integer: an empty or missing field reads as 0).
    double real(std::size_t i) const;
    int integer(std::size_t i) const;
};

inline constexpr int kCsvEndOfFile = -1;
inline constexpr int kCsvData = 0;
inline constexpr int kCsvComment = 1;

// Reads the next line. Returns kCsvEndOfFile when no line is left,
// kCsvComment for a line whose first byte is "#" (line is cleared), kCsvData
// for a data line, split into line. A last line without a line end is data.
int read_csv_line(LineReader& reader, CsvLine& line);

// Splits one line that is already read (without its line end).
void split_csv_line(const std::string& text, CsvLine& line);

// Text written as a quoted string that split_csv_line takes back whole: in
// double quotes, each quote inside doubled. A bare quote would end the text
// early and shift every item after it.
std::string quoted_csv_text(const std::string& text);

} // namespace wtn
