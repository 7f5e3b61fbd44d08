#include "number_text.h"

#include "number_field.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace wtn {

namespace {

constexpr int kSignificantDigits = 15;

// Number of code points in a UTF-8 text, and the byte offset of code point n.
std::size_t utf8_offset(const std::string& text, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (count == n) return i;
        ++count;
    }
    return text.size();
}

std::size_t utf8_length(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace

std::string real_text(double x, const std::string& what) {
    if (!std::isfinite(x)) throw DataError(what + "の値が数値になりません。");
    if (x == 0.0) return "0";
    std::array<char, 64> buffer{};
    // The general format of printf's %.15G: 15 significant digits, trailing
    // zeros dropped, exponent form below 1E-4 and from 1E+15 on.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::general, kSignificantDigits);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    // No zero before the decimal point: 0.5 is ".5", -0.25 is "-.25".
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    return text;
}

std::string integer_text(int value) {
    return std::to_string(value);
}

std::string cal_real_item(double x, const std::string& what) {
    const std::string text = real_text(x, what);
    if (text[0] == '-') return text + " ";
    return " " + text + " ";
}

std::string cal_integer_item(int value) {
    if (value < 0) return std::to_string(value) + " ";
    return " " + std::to_string(value) + " ";
}

std::string fixed_text(const std::string& text, int length) {
    const std::size_t n = static_cast<std::size_t>(length);
    const std::size_t have = utf8_length(text);
    if (have >= n) return text.substr(0, utf8_offset(text, n));
    return text + std::string(n - have, ' ');
}

void check_text_item(const std::string& text, const std::string& caption) {
    if (text.find('"') != std::string::npos)
        throw DataError("「" + caption + "」に二重引用符（\"）は使えません。");
    if (text.find_first_of("\r\n") != std::string::npos)
        throw DataError("「" + caption + "」に改行は使えません。");
}

int to_integer16(double x, const std::string& what) {
    if (!std::isfinite(x)) throw DataError(what + "の値が数値になりません。");
    const double r = std::nearbyint(x); // the default rounding mode: halves to even
    if (r < kInt16Min || r > kInt16Max) throw DataError(what + "の値が整数の範囲を超えています。");
    return static_cast<int>(r);
}

} // namespace wtn
