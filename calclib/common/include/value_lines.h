// Lines of comma-separated values, each line described once: a function
// template hands the line's values in order to io, which is a ValuesWriter
// (integers "%d", reals "%f", separated by commas), a ValuesCounter, a
// ValuesReader or a reader of the caller's with the same two field members.
// The writer and the readers cannot disagree on a value's place, and the
// number of values of each line is known at compile time.
#pragma once

#include "csv_line.h"
#include "format_values.h"
#include "text_lines.h"

#include <cstddef>
#include <cstdio>
#include <string>

namespace wtn {

class ValuesWriter {
  public:
    void field(const int& value) { piece(format_text("%d", value)); }
    void field(const double& value) { piece(format_text("%f", value)); }
    const std::string& text() const { return text_; }

  private:
    void piece(const std::string& value) {
        if (!text_.empty()) text_ += ',';
        text_ += value;
    }
    std::string text_;
};

// Takes the values of a line read with read_csv_line, without checks.
class ValuesReader {
  public:
    explicit ValuesReader(const CsvLine& line) : line_(line) {}
    void field(int& value) { value = line_.integer(next_++); }
    void field(double& value) { value = line_.real(next_++); }

  private:
    const CsvLine& line_;
    std::size_t next_ = 0;
};

class ValuesCounter {
  public:
    constexpr void field(const int&) { ++count_; }
    constexpr void field(const double&) { ++count_; }
    constexpr int count() const { return count_; }

  private:
    int count_ = 0;
};

// Values of a line, counted at compile time.
template <class T> constexpr int value_count(void (*fields)(ValuesCounter&, T&)) {
    ValuesCounter counter;
    T record{};
    fields(counter, record);
    return counter.count();
}

// Writes record's values as one line ending in CR LF.
template <class T>
void write_values(std::FILE* file, void (*fields)(ValuesWriter&, const T&), const T& record) {
    ValuesWriter writer;
    fields(writer, record);
    write_crlf_line(file, writer.text());
}

} // namespace wtn
