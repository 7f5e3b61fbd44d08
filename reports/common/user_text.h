// Text that a user typed (titles, tide-level, force and pile names) travels
// inside report pages and drawings, where "$" and "\" start markup. Such text
// is escaped before it is written, so the viewer prints it as typed: "$"
// becomes "$$" and "\" becomes "\\". Page titles and header lines are not
// markup and are never escaped.
#pragma once

#include <string>
#include <string_view>

namespace wtn {

// The code page 932 text with every single-byte "$" and "\" doubled. A 0x5C
// trail byte of a double-byte character is part of that character and is
// left alone.
std::string escape_user_text(std::string_view cp932);

// escape_user_text, then padded with blanks on the right to width printed
// columns ("%-*s"): the bytes the escaping added do not count, so the
// columns after the field stay where they were.
std::string user_field(std::string_view cp932, int width);

} // namespace wtn
