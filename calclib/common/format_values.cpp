#include "format_values.h"

#include "text_lines.h"

#include <cstdio>

namespace wtn {

namespace {

// Room for every line the programs write; a longer one is formatted again
// into a string of its exact length.
constexpr std::size_t kLineBufferBytes = 512;

} // namespace

std::string format_values(const char* format, va_list args) {
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
