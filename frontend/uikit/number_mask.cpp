#include "number_mask.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <system_error>

namespace wtn::ui {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

struct Scan {
    std::size_t end = 0; // one past the last character of the number
    std::optional<double> value;
};

// Reads the number at the start of text (after blanks) by the grammar of
// leading_number.
Scan scan_number(std::string_view text) {
    Scan scan;
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i]))
        ++i;
    std::size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::size_t body = i;
    int digits = 0;
    int integer_digits = 0; // significant digits before the point
    bool seen_nonzero = false;
    bool seen_point = false;
    while (i < text.size()) {
        char c = text[i];
        if (is_digit(c)) {
            ++digits;
            if (c != '0') seen_nonzero = true;
            if (!seen_point && seen_nonzero) ++integer_digits;
        } else if (c == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0) return scan;
    std::size_t mantissa_end = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        bool exp_negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exp_negative = text[j] == '-';
            ++j;
        }
        std::size_t exp_digits = j;
        while (j < text.size() && is_digit(text[j])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
            ++j;
        }
        if (j > exp_digits) {
            mantissa_end = j;
            if (exp_negative) exponent = -exponent;
        } else {
            exponent = 0;
        }
    }
    (void)start;
    double magnitude = 0.0;
    const char* first = text.data() + body;
    const char* last = text.data() + mantissa_end;
    auto [ptr, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number at all.
        if (!seen_nonzero || integer_digits + exponent <= 0) {
            magnitude = 0.0;
        } else {
            return scan;
        }
    } else if (ec != std::errc() || ptr != last) {
        return scan;
    }
    if (!std::isfinite(magnitude)) return scan;
    scan.end = mantissa_end;
    scan.value = negative ? -magnitude : magnitude;
    return scan;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string fold_full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 3 <= text.size()) {
            // U+FF01..U+FF5E: EF BC 81..BF and EF BD 80..9E; each is 0xFEE0 above its
            // ASCII form.
            if (b(0) == 0xEF && b(1) == 0xBC && b(2) >= 0x81 && b(2) <= 0xBF) {
                out += static_cast<char>(b(2) - 0x81 + 0x21);
                i += 3;
                continue;
            }
            if (b(0) == 0xEF && b(1) == 0xBD && b(2) >= 0x80 && b(2) <= 0x9E) {
                out += static_cast<char>(b(2) - 0x80 + 0x60);
                i += 3;
                continue;
            }
            if (b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) { // U+3000 ideographic space
                out += ' ';
                i += 3;
                continue;
            }
            if (b(0) == 0xE2 && b(1) == 0x88 && b(2) == 0x92) { // U+2212 minus sign
                out += '-';
                i += 3;
                continue;
            }
        }
        out += text[i];
        ++i;
    }
    return out;
}

std::optional<double> parse_leading_number(std::string_view text) {
    return scan_number(fold_full_width(text)).value;
}

double leading_number(std::string_view text) {
    return parse_leading_number(text).value_or(0.0);
}

bool reads_as_number(std::string_view raw) {
    const std::string text = fold_full_width(raw);
    Scan scan = scan_number(text);
    if (!scan.value) return false;
    for (std::size_t i = scan.end; i < text.size(); ++i) {
        if (!is_blank(text[i])) return false;
    }
    return true;
}

int mask_decimals(std::string_view mask) {
    std::size_t i = 0;
    while (i < mask.size() && mask[i] == '#')
        ++i;
    if (i >= mask.size() || mask[i] != '0') return -1;
    ++i;
    if (i == mask.size()) return 0;
    if (mask[i] != '.') return -1;
    ++i;
    int decimals = 0;
    for (; i < mask.size(); ++i) {
        if (mask[i] != '0') return -1;
        ++decimals;
    }
    return decimals > 0 ? decimals : -1;
}

std::string format_mask(double value, std::string_view mask) {
    if (!std::isfinite(value)) return "";
    int decimals = mask_decimals(mask);
    if (decimals < 0) decimals = 0;

    // Shortest decimal form of |value|: digits d0 d1 d2 ... and exponent e,
    // value = d0.d1d2... x 10^e.
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific);
    if (ec != std::errc()) return "";
    std::string_view form(buffer, static_cast<std::size_t>(end - buffer));
    std::size_t e_pos = form.find('e');
    std::string digits;
    for (char c : form.substr(0, e_pos)) {
        if (is_digit(c)) digits += c;
    }
    int exponent = std::atoi(std::string(form.substr(e_pos + 1)).c_str());

    // The value times 10^decimals, rounded half away from zero, as digits.
    long keep = static_cast<long>(exponent) + decimals + 1;
    std::string scaled;
    if (keep <= 0) {
        scaled = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else {
        std::size_t k = static_cast<std::size_t>(keep);
        if (k >= digits.size()) {
            scaled = digits + std::string(k - digits.size(), '0');
        } else {
            scaled = digits.substr(0, k);
            if (digits[k] >= '5') increment(scaled);
        }
    }
    std::size_t nonzero = scaled.find_first_not_of('0');
    if (nonzero == std::string::npos) {
        scaled = "0";
    } else {
        scaled.erase(0, nonzero);
    }
    bool is_zero = scaled == "0";
    std::size_t width = static_cast<std::size_t>(decimals) + 1;
    if (scaled.size() < width) scaled.insert(0, width - scaled.size(), '0');
    std::string out;
    if (value < 0 && !is_zero) out += '-';
    std::size_t point = scaled.size() - static_cast<std::size_t>(decimals);
    out += scaled.substr(0, point);
    if (decimals > 0) {
        out += '.';
        out += scaled.substr(point);
    }
    return out;
}

std::string format_mask_text(std::string_view text, std::string_view mask) {
    if (!reads_as_number(text)) return std::string(text);
    return format_mask(leading_number(text), mask);
}

} // namespace wtn::ui
