#include "number_field.h"

#include "text_trim.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace wtn {

std::optional<double> whole_number(std::string_view text) {
    std::string t = trim_blanks(text);
    if (t.empty()) return std::nullopt;
    if (t[0] == '+') t.erase(0, 1);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    double v = 0.0;
    const auto result = std::from_chars(first, last, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> whole_integer_field(std::string_view text, std::string_view blanks) {
    const std::string t = trim_blanks(text, blanks);
    if (t.empty()) return std::nullopt;
    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    const char* last = t.data() + t.size();
    if (first != t.data() && first != last && *first == '-') return std::nullopt; // "+-"
    int value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
    return value;
}

bool parse_real(const std::string& text, double& value) {
    if (trim_blanks(text).empty()) {
        value = 0.0;
        return true;
    }
    const std::optional<double> number = whole_number(text);
    if (!number) return false;
    value = *number;
    return true;
}

IntegerField parse_integer16(const std::string& text, int& value) {
    double real = 0.0;
    if (!parse_real(text, real)) return IntegerField::NotANumber;
    const double r = std::nearbyint(real); // the default rounding mode: halves to even
    if (r < kInt16Min || r > kInt16Max) return IntegerField::OutOfRange;
    value = static_cast<int>(r);
    return IntegerField::Read;
}

double text_to_real(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

int text_to_integer(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

} // namespace wtn
