#include "format_values.h"

#include "text_lines.h"

#include <cstdio>

namespace wtn {

std::string format_values(const char* format, va_list args) {
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string format_text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = format_values(format, args);
    va_end(args);
    return text;
}

void write_values_line(std::FILE* file, const char* format, ...) {
    va_list args;
    va_start(args, format);
    write_crlf_line(file, format_values(format, args));
    va_end(args);
}

} // namespace wtn
