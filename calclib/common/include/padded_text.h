// Texts the files keep at a fixed width, padded with blanks on the right (the
// project title: 36 characters in the project file and the run information).
// Shown or printed, such a text is what the user typed, without the padding.
#pragma once

#include <string_view>

namespace wtn {

// text without the blanks that pad it on the right; leading blanks stay.
constexpr std::string_view without_padding(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

} // namespace wtn
