#include "marked_text.h"

#include "cp932_codec.h"

namespace wtn::viewer {

namespace {

struct Character {
    std::string bytes;
    bool single = true;
};

std::vector<Character> split_characters(std::string_view cp932) {
    std::vector<Character> out;
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        if (is_cp932_double_byte(cp932, i)) {
            out.push_back({std::string(cp932.substr(i, 2)), false});
            ++i;
        } else {
            out.push_back({std::string(1, cp932[i]), true});
        }
    }
    return out;
}

Glyph glyph_of(const Character& c, Shift shift) {
    return {cp932_to_utf8_lossy(c.bytes), c.single ? 1 : 2, shift};
}

bool is(const Character& c, char letter) {
    return c.single && c.bytes[0] == letter;
}

} // namespace

MarkedText decode_page_text(std::string_view cp932) {
    MarkedText out;
    const std::vector<Character> chars = split_characters(cp932);
    Shift shift = Shift::normal;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (is(chars[i], '\\') && i + 1 < chars.size() && is(chars[i + 1], '\\')) {
            out.glyphs.push_back(glyph_of(chars[++i], shift)); // "\\" of escaped user text
            continue;
        }
        if (!is(chars[i], '$')) {
            out.glyphs.push_back(glyph_of(chars[i], shift));
            continue;
        }
        if (i + 1 == chars.size()) {
            out.problems.push_back("a \"$\" ends the line");
            out.glyphs.push_back(glyph_of(chars[i], shift));
            continue;
        }
        const Character& next = chars[++i];
        if (is(next, 'U')) {
            shift = Shift::raised;
        } else if (is(next, 'S')) {
            shift = Shift::lowered;
        } else if (is(next, 'Z')) {
            shift = Shift::normal;
        } else if (is(next, '$')) {
            out.glyphs.push_back(glyph_of(next, shift));
        } else {
            out.problems.push_back("unknown escape \"$" + cp932_to_utf8_lossy(next.bytes) + "\"");
            out.glyphs.push_back(glyph_of(chars[i - 1], shift));
            out.glyphs.push_back(glyph_of(next, shift));
        }
    }
    if (shift != Shift::normal) out.problems.push_back("unclosed escape: no \"$Z\" on the line");
    return out;
}

MarkedText decode_drawing_text(std::string_view cp932) {
    MarkedText out;
    const std::vector<Character> chars = split_characters(cp932);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (is(chars[i], '$') && i + 1 < chars.size() && is(chars[i + 1], '$')) {
            out.glyphs.push_back(glyph_of(chars[++i], Shift::normal)); // "$$" of user text
            continue;
        }
        if (!is(chars[i], '\\')) {
            out.glyphs.push_back(glyph_of(chars[i], Shift::normal));
            continue;
        }
        if (i + 1 == chars.size()) {
            out.problems.push_back("unclosed escape: a \"\\\" ends the text");
            continue;
        }
        const Character& next = chars[++i];
        if (is(next, '\\')) {
            out.glyphs.push_back(glyph_of(next, Shift::normal));
            continue;
        }
        const Shift shift = is(next, 'U')   ? Shift::raised
                            : is(next, 'D') ? Shift::lowered
                                            : Shift::normal;
        if (shift == Shift::normal) {
            out.problems.push_back("unknown escape \"\\" + cp932_to_utf8_lossy(next.bytes) + "\"");
            out.glyphs.push_back(glyph_of(chars[i - 1], Shift::normal));
            out.glyphs.push_back(glyph_of(next, Shift::normal));
            continue;
        }
        if (i + 1 == chars.size()) {
            out.problems.push_back("unclosed escape: nothing follows \"\\" + next.bytes + "\"");
            continue;
        }
        out.glyphs.push_back(glyph_of(chars[++i], shift));
    }
    return out;
}

int cell_count(const std::vector<Glyph>& glyphs) {
    int cells = 0;
    for (const Glyph& g : glyphs)
        cells += g.cells;
    return cells;
}

} // namespace wtn::viewer
