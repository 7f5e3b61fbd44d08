// The check that nothing on a laid-out page is unreadable: a text struck
// through by a drawn line (line, rectangle edge, arrow, angle mark), or two
// texts printed over each other, on template text and in drawings alike.
// Texts are runs of page glyphs of one size on one line and the texts of
// the drawings' K commands; their ink comes from the report font, so the
// check sees the glyphs as they are printed.
#pragma once

#include "page_layout.h"
#include "report_files.h"

#include <functional>
#include <optional>

namespace wtn::viewer {

// The ink of a glyph in its own coordinates (pen on the baseline at the
// origin, Y down, one unit the font's size).
struct InkBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The ink of one glyph, none for a blank.
using GlyphInk = std::function<std::optional<InkBox>(const Glyph&)>;

// A problem (a warning, as it depends on the data) for every text of report
// struck through by a drawn line and every two texts printed over each
// other, each naming the page, the file and line of both elements.
Problems overlap_problems(const Report& report, const GlyphInk& ink);

} // namespace wtn::viewer
