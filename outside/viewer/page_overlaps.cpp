#include "page_overlaps.h"

#include "printed_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace wtn::viewer {

namespace {

// A line strikes a text when it passes through a glyph's ink box shrunk by
// this margin (body units) on every side: a line that only grazes the box
// corner of a round glyph leaves it legible.
constexpr double kStrikeMargin = 1.0;
// Two texts print over each other when their glyphs' ink boxes, each shrunk
// by this margin, still meet.
constexpr double kOverlapMargin = 0.5;

using Quad = std::array<BodyPoint, 4>;

struct Bounds {
    bool empty = true;
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    void take(const BodyPoint& p) {
        if (empty) {
            left = right = p.x;
            top = bottom = p.y;
            empty = false;
            return;
        }
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    bool meets(const Bounds& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

struct Where {
    std::string file;
    int line = 0;
};

struct PrintedText {
    Where where;
    std::string text; // UTF-8
    std::vector<Quad> inks;
    Bounds bounds;
    int row = -1; // index of the page row it stands on; -1 for a drawing's text
    Shift shift = Shift::normal;
};

struct DrawnLine {
    Where where;
    char letter = 'L';
    BodyPoint a;
    BodyPoint b;
    Bounds bounds;
};

std::string where_text(const Where& w) {
    return w.file + ":" + std::to_string(w.line);
}

// The glyph's ink box shrunk by margin body units, through its frame. A
// box thinner than twice the margin keeps its middle line.
Quad ink_quad(const InkBox& ink, const GlyphFrame& f, double margin) {
    const double unit_u = std::hypot(f.xx, f.yx);
    const double unit_v = std::hypot(f.xy, f.yy);
    const double du = unit_u > 0.0 ? margin / unit_u : 0.0;
    const double dv = unit_v > 0.0 ? margin / unit_v : 0.0;
    double left = ink.left + du;
    double right = ink.right - du;
    double top = ink.top + dv;
    double bottom = ink.bottom - dv;
    if (left > right) left = right = (ink.left + ink.right) / 2.0;
    if (top > bottom) top = bottom = (ink.top + ink.bottom) / 2.0;
    auto at = [&f](double u, double v) {
        return BodyPoint{f.x0 + f.xx * u + f.xy * v, f.y0 + f.yx * u + f.yy * v};
    };
    return {at(left, top), at(right, top), at(right, bottom), at(left, bottom)};
}

void add_glyph(PrintedText& text, const Glyph& glyph, const GlyphFrame& frame, const GlyphInk& ink,
               double margin) {
    const std::optional<InkBox> box = ink(glyph);
    if (!box) return;
    text.inks.push_back(ink_quad(*box, frame, margin));
    for (const BodyPoint& p : text.inks.back())
        text.bounds.take(p);
}

double cross(const BodyPoint& o, const BodyPoint& a, const BodyPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool inside(const Quad& q, const BodyPoint& p) {
    bool negative = false;
    bool positive = false;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const double c = cross(q[i], q[(i + 1) % q.size()], p);
        negative = negative || c < 0.0;
        positive = positive || c > 0.0;
    }
    return !(negative && positive);
}

bool on_segment(const BodyPoint& a, const BodyPoint& b, const BodyPoint& p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

bool segments_meet(const BodyPoint& a, const BodyPoint& b, const BodyPoint& c, const BodyPoint& d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && on_segment(c, d, a)) || (d2 == 0 && on_segment(c, d, b)) ||
           (d3 == 0 && on_segment(a, b, c)) || (d4 == 0 && on_segment(a, b, d));
}

bool line_strikes(const DrawnLine& line, const Quad& q) {
    if (inside(q, line.a) || inside(q, line.b)) return true;
    for (std::size_t i = 0; i < q.size(); ++i) {
        if (segments_meet(line.a, line.b, q[i], q[(i + 1) % q.size()])) return true;
    }
    return false;
}

// Two convex quads meet unless an edge normal of one of them separates them.
bool quads_meet(const Quad& p, const Quad& q) {
    for (const Quad* side : {&p, &q}) {
        for (std::size_t i = 0; i < side->size(); ++i) {
            const BodyPoint& a = (*side)[i];
            const BodyPoint& b = (*side)[(i + 1) % side->size()];
            const double nx = -(b.y - a.y);
            const double ny = b.x - a.x;
            if (nx == 0.0 && ny == 0.0) continue;
            double p_min = 1e300, p_max = -1e300, q_min = 1e300, q_max = -1e300;
            for (const BodyPoint& v : p) {
                p_min = std::min(p_min, nx * v.x + ny * v.y);
                p_max = std::max(p_max, nx * v.x + ny * v.y);
            }
            for (const BodyPoint& v : q) {
                q_min = std::min(q_min, nx * v.x + ny * v.y);
                q_max = std::max(q_max, nx * v.x + ny * v.y);
            }
            if (p_max < q_min || q_max < p_min) return false;
        }
    }
    return true;
}

bool texts_meet(const PrintedText& a, const PrintedText& b) {
    for (const Quad& p : a.inks) {
        for (const Quad& q : b.inks) {
            if (quads_meet(p, q)) return true;
        }
    }
    return false;
}

// The texts of a page row: runs of adjacent glyphs of one shift and one
// source, as the painter draws them.
void add_row_texts(const TextRow& row, int row_index, const std::string& page_file,
                   const GlyphInk& ink, double margin, std::vector<PrintedText>& texts) {
    const std::vector<PlacedGlyph>& glyphs = row.glyphs;
    for (std::size_t i = 0; i < glyphs.size();) {
        const PlacedGlyph& first = glyphs[i];
        std::size_t j = i;
        int next_cell = first.cell;
        PrintedText text;
        text.where = first.value_line > 0 ? Where{page_file, first.value_line}
                                          : Where{row.source, row.source_line};
        text.row = row_index;
        text.shift = first.glyph.shift;
        for (; j < glyphs.size(); ++j) {
            const PlacedGlyph& g = glyphs[j];
            if (g.cell != next_cell || g.glyph.shift != first.glyph.shift ||
                g.value_line != first.value_line)
                break;
            text.text += g.glyph.text;
            add_glyph(text, g.glyph, page_glyph_frame(row.line, g.cell, g.glyph.shift), ink,
                      margin);
            next_cell += g.glyph.cells;
        }
        i = j;
        if (!text.inks.empty()) texts.push_back(std::move(text));
    }
}

void add_line(const Where& where, char letter, BodyPoint a, BodyPoint b,
              std::vector<DrawnLine>& lines) {
    DrawnLine line{where, letter, a, b, {}};
    line.bounds.take(a);
    line.bounds.take(b);
    lines.push_back(line);
}

// The texts and lines of a drawing laid out at box.
void add_drawing(const DrawingBox& box, const GlyphInk& ink, double margin,
                 std::vector<PrintedText>& texts, std::vector<DrawnLine>& lines) {
    const double ox = kDrawingOffsetX;
    const double oy = box.line * kUnitsPerLine;
    for (const DrawCommand& c : box.drawing->commands) {
        auto at = [&](int i) {
            return BodyPoint{ox + c.numbers[2 * i], oy + c.numbers[2 * i + 1]};
        };
        const Where where{box.drawing->name, c.line};
        switch (c.letter) {
        case 'L':
            add_line(where, c.letter, at(0), at(1), lines);
            break;
        case 'Q': {
            const BodyPoint a = at(0);
            const BodyPoint b = at(1);
            add_line(where, c.letter, a, {b.x, a.y}, lines);
            add_line(where, c.letter, {b.x, a.y}, b, lines);
            add_line(where, c.letter, b, {a.x, b.y}, lines);
            add_line(where, c.letter, {a.x, b.y}, a, lines);
            break;
        }
        case 'Y':
            add_line(where, c.letter, at(0), at(1), lines);
            break;
        case 'P': {
            const std::vector<BodyPoint> arc = angle_mark_arc(at(0), at(1), at(2));
            for (std::size_t i = 1; i < arc.size(); ++i)
                add_line(where, c.letter, arc[i - 1], arc[i], lines);
            break;
        }
        case 'K': {
            const MarkedText decoded = decode_drawing_text(c.text);
            PrintedText text;
            text.where = {box.drawing->name, c.line + 1};
            const std::vector<GlyphFrame> frames = drawing_glyph_frames(c, decoded.glyphs, ox, oy);
            for (std::size_t i = 0; i < decoded.glyphs.size(); ++i) {
                text.text += decoded.glyphs[i].text;
                add_glyph(text, decoded.glyphs[i], frames[i], ink, margin);
            }
            if (!text.inks.empty()) texts.push_back(std::move(text));
            break;
        }
        default:
            break;
        }
    }
}

struct PageContent {
    std::vector<PrintedText> texts;
    std::vector<DrawnLine> lines;
};

PageContent page_content(const LaidPage& page, const std::string& page_file, const GlyphInk& ink,
                         double margin) {
    PageContent content;
    for (std::size_t r = 0; r < page.rows.size(); ++r)
        add_row_texts(page.rows[r], static_cast<int>(r), page_file, ink, margin, content.texts);
    for (const DrawingBox& box : page.drawings) {
        if (box.drawing) add_drawing(box, ink, margin, content.texts, content.lines);
    }
    return content;
}

std::string page_text(int number, const std::string& page_file) {
    return "page " + std::to_string(number) + " (" + page_file + "): ";
}

// Runs of one row and one size stand side by side as the font spaces them.
bool side_by_side(const PrintedText& a, const PrintedText& b) {
    return a.row >= 0 && a.row == b.row && a.shift == b.shift;
}

} // namespace

Problems overlap_problems(const Report& report, const GlyphInk& ink) {
    Problems problems;
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        const LaidPage& page = report.pages[p];
        const std::string& page_file = report.chapters.at(page.chapter).file_name;
        const std::string head = page_text(static_cast<int>(p) + 1, page_file);
        const PageContent struck = page_content(page, page_file, ink, kStrikeMargin);
        for (const PrintedText& text : struck.texts) {
            for (const DrawnLine& line : struck.lines) {
                if (!text.bounds.meets(line.bounds)) continue;
                const bool hit = std::any_of(text.inks.begin(), text.inks.end(),
                                             [&](const Quad& q) { return line_strikes(line, q); });
                if (!hit) continue;
                problems.push_back({text.where.file, text.where.line, false,
                                    head + "\"" + text.text + "\" is struck through by the " +
                                        std::string(1, line.letter) + " command of " +
                                        where_text(line.where)});
                break;
            }
        }
        const PageContent over = page_content(page, page_file, ink, kOverlapMargin);
        for (std::size_t i = 0; i < over.texts.size(); ++i) {
            for (std::size_t j = i + 1; j < over.texts.size(); ++j) {
                const PrintedText& a = over.texts[i];
                const PrintedText& b = over.texts[j];
                if (side_by_side(a, b) || !a.bounds.meets(b.bounds) || !texts_meet(a, b)) continue;
                problems.push_back({a.where.file, a.where.line, false,
                                    head + "\"" + a.text + "\" and \"" + b.text + "\" (" +
                                        where_text(b.where) + ") print over each other"});
            }
        }
    }
    return problems;
}

} // namespace wtn::viewer
