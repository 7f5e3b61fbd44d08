#include "comma_line.h"

#include "number_text.h"

namespace wtn {

void CommaLine::separate() {
    if (!empty_) line_ += ',';
    empty_ = false;
}

CommaLine& CommaLine::integer(int value) {
    separate();
    line_ += integer_text(value);
    return *this;
}

CommaLine& CommaLine::real(double value, const std::string& what) {
    separate();
    line_ += real_text(value, what);
    return *this;
}

CommaLine& CommaLine::text(const std::string& value, int length, const std::string& caption) {
    check_text_item(value, caption);
    separate();
    line_ += '"';
    line_ += length > 0 ? fixed_text(value, length) : value;
    line_ += '"';
    return *this;
}

} // namespace wtn
