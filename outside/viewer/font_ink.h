// The ink of the report font's glyphs, as the painter prints them: each
// glyph measured once on a large font. Needs a running QGuiApplication.
#pragma once

#include "page_overlaps.h"

namespace wtn::viewer {

GlyphInk report_font_ink();

} // namespace wtn::viewer
