#include "number_field.h"

#include <charconv>
#include <cmath>

namespace wtn {

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

bool parse_real(const std::string& text, double& value) {
    std::string t = trimmed(text);
    if (t.empty()) {
        value = 0.0;
        return true;
    }
    if (t[0] == '+') t.erase(0, 1);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    double v = 0.0;
    const auto result = std::from_chars(first, last, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(v)) return false;
    value = v;
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

} // namespace wtn
