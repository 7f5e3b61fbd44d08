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

} // namespace wtn::test
