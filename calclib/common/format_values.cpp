#include "format_values.h"

#include "text_lines.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace wtn {

namespace {

// Room for every line the programs write; a longer one is formatted again
// into a string of its exact length.
constexpr std::size_t kLineBufferBytes = 512;

// Digits of the largest fixed-point real (about 309 before the point) and of
// its decimals.
constexpr std::size_t kFieldBufferBytes = 768;

// printf's precision of a real when the format gives none.
constexpr int kDefaultRealPrecision = 6;

// One conversion of a format: flags, width, precision and conversion letter.
struct Conversion {
    bool left = false;  // '-'
    bool plus = false;  // '+'
    bool space = false; // ' '
    bool zero = false;  // '0'
    int width = 0;
    int precision = -1; // none given
    char letter = '\0';
};

// Appends sign and digits to out in a field of the conversion's width, padded
// as printf pads numbers.
void append_number(std::string& out, const Conversion& c, char sign, std::string_view digits,
                   bool zero_padding) {
    const std::size_t length = digits.size() + (sign != '\0' ? 1 : 0);
    const std::size_t width = static_cast<std::size_t>(c.width);
    const std::size_t pad = width > length ? width - length : 0;
    if (!c.left && !zero_padding) out.append(pad, ' ');
    if (sign != '\0') out += sign;
    if (!c.left && zero_padding) out.append(pad, '0');
    out.append(digits);
    if (c.left) out.append(pad, ' ');
}

char sign_of(bool negative, const Conversion& c) {
    if (negative) return '-';
    if (c.plus) return '+';
    if (c.space) return ' ';
    return '\0';
}

// %f of a finite real: the exact decimal value rounded half to even, as the C
// library prints it. False when it does not fit the buffer.
bool append_real(std::string& out, const Conversion& c, double value) {
    char buffer[kFieldBufferBytes];
    const int precision = c.precision < 0 ? kDefaultRealPrecision : c.precision;
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                            std::chars_format::fixed, precision);
    if (error != std::errc()) return false;
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    append_number(out, c, sign_of(negative, c), digits, c.zero && !c.left);
    return true;
}

// %d of an int; a precision is left to the C library.
void append_integer(std::string& out, const Conversion& c, long value) {
    char buffer[32];
    const auto end = std::to_chars(std::begin(buffer), std::end(buffer), value).ptr;
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = value < 0;
    if (negative) digits.remove_prefix(1);
    append_number(out, c, sign_of(negative, c), digits, c.zero && !c.left);
}

void append_text(std::string& out, const Conversion& c, std::string_view text) {
    if (c.precision >= 0 && text.size() > static_cast<std::size_t>(c.precision))
        text = text.substr(0, static_cast<std::size_t>(c.precision));
    const std::size_t width = static_cast<std::size_t>(c.width);
    const std::size_t pad = width > text.size() ? width - text.size() : 0;
    if (!c.left) out.append(pad, ' ');
    out.append(text);
    if (c.left) out.append(pad, ' ');
}

int read_count(const char*& at) {
    int value = 0;
    while (*at >= '0' && *at <= '9') {
        value = value * 10 + (*at - '0');
        ++at;
    }
    return value;
}

// Reads the flags, width, precision, length and letter of the conversion
// that starts after the '%' at `at`, taking a width or precision given as '*'
// from args; `at` is left after the letter. False when the format ends first.
bool read_conversion(const char*& at, va_list* args, Conversion& c, bool& long_value) {
    for (;; ++at) {
        if (*at == '-')
            c.left = true;
        else if (*at == '+')
            c.plus = true;
        else if (*at == ' ')
            c.space = true;
        else if (*at == '0')
            c.zero = true;
        else
            break;
    }
    if (*at == '*') {
        c.width = va_arg(*args, int);
        if (c.width < 0) {
            c.left = true;
            c.width = -c.width;
        }
        ++at;
    } else {
        c.width = read_count(at);
    }
    if (*at == '.') {
        ++at;
        if (*at == '*') {
            c.precision = va_arg(*args, int);
            if (c.precision < 0) c.precision = -1;
            ++at;
        } else {
            c.precision = read_count(at);
        }
    }
    long_value = false;
    if (*at == 'l') {
        long_value = true;
        ++at;
    }
    c.letter = *at;
    if (c.letter == '\0') return false;
    ++at;
    return true;
}

// Appends the value of one conversion, taken from args. False for a
// conversion left to the C library, and for a real that is not finite, whose
// value goes to bad_value with non_finite set.
bool append_conversion(std::string& out, const Conversion& c, bool long_value, va_list* args,
                       bool& non_finite, double& bad_value) {
    switch (c.letter) {
    case 'f': {
        const double value = va_arg(*args, double);
        if (!std::isfinite(value)) {
            non_finite = true;
            bad_value = value;
            return false;
        }
        return append_real(out, c, value);
    }
    case 'd':
    case 'i':
        if (c.precision >= 0) return false;
        append_integer(out, c, long_value ? va_arg(*args, long) : va_arg(*args, int));
        return true;
    case 's':
        if (long_value) return false;
        append_text(out, c, va_arg(*args, const char*));
        return true;
    case 'c': {
        if (long_value) return false;
        const char letter = static_cast<char>(va_arg(*args, int));
        Conversion text = c;
        text.precision = -1;
        append_text(out, text, std::string_view(&letter, 1));
        return true;
    }
    case '%':
        if (long_value || c.width != 0 || c.precision >= 0) return false;
        out += '%';
        return true;
    default:
        return false;
    }
}

// Formats the conversions the programs use (%d %ld %f %lf %s %c %% with
// flags - + space 0, a width and a precision, given or *) without the C
// library's general formatter; the results are the same byte for byte. False
// at the first conversion of any other kind, which leaves the whole format to
// the C library. A real that is not finite stops the formatting with its
// value in non_finite.
bool format_common(std::string& out, const char* format, va_list* args, bool& non_finite,
                   double& bad_value) {
    for (const char* at = format; *at != '\0';) {
        if (*at != '%') {
            const char* next = std::strchr(at, '%');
            const std::size_t length =
                next != nullptr ? static_cast<std::size_t>(next - at) : std::strlen(at);
            out.append(at, length);
            at += length;
            continue;
        }
        ++at;
        Conversion c;
        bool long_value = false;
        if (!read_conversion(at, args, c, long_value)) return false;
        if (!append_conversion(out, c, long_value, args, non_finite, bad_value)) return false;
    }
    return true;
}

std::string format_with_c_library(const char* format, va_list args) {
    va_list again;
    va_copy(again, args);
    char buffer[kLineBufferBytes];
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (length <= 0) {
        va_end(again);
        return {};
    }
    const auto size = static_cast<std::size_t>(length);
    if (size < sizeof buffer) {
        va_end(again);
        return std::string(buffer, size);
    }
    std::string text(size + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    text.resize(size);
    return text;
}

} // namespace

std::string format_values(const char* format, va_list args) {
    va_list common;
    va_copy(common, args);
    std::string text;
    bool non_finite = false;
    double bad_value = 0.0;
    const bool formatted = format_common(text, format, &common, non_finite, bad_value);
    va_end(common);
    if (non_finite) throw NonFiniteValue{bad_value};
    if (formatted) return text;
    return format_with_c_library(format, args);
}

std::string format_text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text;
    try {
        text = format_values(format, args);
    } catch (const NonFiniteValue&) {
        va_end(args);
        throw;
    }
    va_end(args);
    return text;
}

void write_values_line(std::FILE* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text;
    try {
        text = format_values(format, args);
    } catch (const NonFiniteValue&) {
        va_end(args);
        throw;
    }
    va_end(args);
    write_crlf_line(file, text);
}

} // namespace wtn
