// Looking for a text in a page or result file a test has read.
#pragma once

#include <string>

namespace wtn::test {

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Occurrences of part in text, overlapping ones counted.
inline int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The text without blanks (half-width, full-width, line and page breaks),
// so a search does not depend on how a text export spaced the words.
inline std::string without_blanks(const std::string& text) {
    const std::string full_width_blank = "\u3000";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, full_width_blank.size(), full_width_blank) == 0) {
            i += full_width_blank.size() - 1;
            continue;
        }
        const char ch = text[i];
        if (ch != ' ' && ch != '\n' && ch != '\f' && ch != '\r') out += ch;
    }
    return out;
}

} // namespace wtn::test
