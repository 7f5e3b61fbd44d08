// Builder of one line of the front end's comma files: items separated by
// single commas, texts in double quotes, numbers in their shortest text.
#pragma once

#include <string>

namespace wtn {

class CommaLine {
  public:
    CommaLine& integer(int value);
    // what names the value in the message when it is not finite.
    CommaLine& real(double value, const std::string& what);
    // The text as exactly length characters in quotes (length 0: as held);
    // a double quote or a line break in it is refused with caption named.
    CommaLine& text(const std::string& value, int length, const std::string& caption);
    const std::string& str() const { return line_; }

  private:
    void separate();
    std::string line_;
    bool empty_ = true;
};

} // namespace wtn
