// Sequential reading of the front end's comma files (project files,
// customisation file): every item takes the next field, on the same line or a
// following one; a line end separates fields like a comma. A quoted field is
// taken exactly as written between its quotes, blanks included; an unquoted
// field loses its surrounding blanks.
#pragma once

#include "number_field.h"

#include <string>
#include <vector>

namespace wtn {

class FieldReader {
  public:
    // Splits the lines of a file; path names the file in messages, and
    // first_line is the line number of lines[0] in that file.
    FieldReader(const std::vector<std::string>& lines, std::string path,
                std::size_t first_line = 1);

    // True when no field is left.
    bool at_end() const { return next_ >= fields_.size(); }

    // The next field as text, real or 16-bit integer (nearest, halves to the
    // even one). DataError naming the file, the line and what when no field
    // is left or the field is not a number.
    std::string text(const std::string& what);
    double real(const std::string& what);
    int integer(const std::string& what);

  private:
    struct Field {
        std::string text;
        std::size_t line; // 1-based line of the file
    };
    const Field& take(const std::string& what);
    [[noreturn]] void fail(const Field& field, const std::string& why) const;

    std::vector<Field> fields_;
    std::size_t next_ = 0;
    std::string path_;
};

} // namespace wtn
