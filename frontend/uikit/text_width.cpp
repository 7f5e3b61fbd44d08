#include "text_width.h"

#include "cp932_codec.h"

namespace wtn::ui {
namespace {

// Length in bytes of the UTF-8 sequence starting with lead byte c.
std::size_t sequence_length(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

std::size_t char_width(std::string_view ch) {
    try {
        return utf8_to_cp932(ch).size();
    } catch (const CodecError&) {
        return ch.size() == 1 ? 1 : 2;
    }
}

} // namespace

std::vector<std::string> utf8_chars(std::string_view text) {
    std::vector<std::string> chars;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = sequence_length(static_cast<unsigned char>(text[i]));
        if (i + n > text.size()) n = text.size() - i;
        chars.emplace_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t utf8_length(std::string_view text) {
    return utf8_chars(text).size();
}

std::size_t display_width(std::string_view text) {
    std::size_t width = 0;
    for (const std::string& ch : utf8_chars(text))
        width += char_width(ch);
    return width;
}

std::string right_align(std::string_view text, std::size_t width) {
    std::size_t have = display_width(text);
    if (have >= width) return std::string(text);
    return std::string(width - have, ' ') + std::string(text);
}

} // namespace wtn::ui
