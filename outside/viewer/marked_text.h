// Text of report pages and drawings as glyphs on half-width cells. Page text
// (.PDT values, .PFM lines) marks raised text with "$U", lowered with "$S"
// and normal again with "$Z"; drawing text (.PZK) raises or lowers the one
// character after "\U" or "\D". In both "$$" prints "$" and "\\" prints "\"
// (user text is written so); a lone "\" in page text prints as it stands.
// Escapes are found on decoded characters: the 0x5C trail byte of a
// double-byte character is no backslash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wtn::viewer {

enum class Shift { normal, raised, lowered };

struct Glyph {
    std::string text; // one character, UTF-8
    int cells = 1;    // 1 half-width, 2 full-width
    Shift shift = Shift::normal;
};

struct MarkedText {
    std::vector<Glyph> glyphs;
    std::vector<std::string> problems; // unclosed or unknown escapes, undecodable bytes
};

// Page text: "$U" "$S" "$Z" "$$".
MarkedText decode_page_text(std::string_view cp932);
// Drawing text: "\U" "\D" on the next character, "\\".
MarkedText decode_drawing_text(std::string_view cp932);

// Cells the glyphs take (escapes take none).
int cell_count(const std::vector<Glyph>& glyphs);

} // namespace wtn::viewer
