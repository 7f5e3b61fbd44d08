// Character counting and column widths of front-end text (UTF-8).
// List rows are laid out in half-width cells of a fixed-pitch font: a
// character that takes two bytes in code page 932 takes two cells.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wtn::ui {

// Number of characters (code points) of UTF-8 text; a stray byte counts as one.
std::size_t utf8_length(std::string_view text);
// The characters of UTF-8 text, each as its own string.
std::vector<std::string> utf8_chars(std::string_view text);

// Width of text in half-width cells: the length of its code page 932 form.
// A character code page 932 cannot hold counts two cells.
std::size_t display_width(std::string_view text);

// text preceded by blanks up to width cells; text as wide or wider comes back
// unchanged.
std::string right_align(std::string_view text, std::size_t width);

} // namespace wtn::ui
