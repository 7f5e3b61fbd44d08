#include "page_values.h"

#include "format_values.h"
#include "load_records.h"
#include "rounding.h"

#include <cmath>
#include <cstdarg>
#include <numbers>

namespace wtn {

void field(PageFile& pages, int code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = format_values(format, args);
    va_end(args);
    pages.value(code, text);
}

void filler8(PageFile& pages, int code) {
    pages.value(code, kFiller8);
}

void filler6(PageFile& pages, int code) {
    pages.value(code, kFiller6);
}

void subsection_number(PageFile& pages, int n) {
    field(pages, 99, "(%d)", n);
}

double printed_degrees(double radians) {
    return round_dec(radians * 180.0 / std::numbers::pi, 1);
}

double coefficient_angle(double k) {
    return printed_degrees(std::atan(k));
}

double printed_coefficient(double k, int kind, bool given_directly, bool steps_of_five) {
    if (kind != kApparentCoefficient || given_directly) return k;
    // Steps of 0.05: twice the value to 0.1, halved again.
    return steps_of_five ? round_dec(2.0 * k, 1) * 0.5 : round_dec(k, 2);
}

} // namespace wtn
