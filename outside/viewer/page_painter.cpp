#include "page_painter.h"

#include "cp932_codec.h"
#include "printed_geometry.h"

#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <cmath>
#include <map>
#include <numbers>

namespace wtn::viewer {

namespace {

constexpr double kHeadTitleY = 250.0; // baseline of the page head
constexpr double kHeadStampY = 400.0;
constexpr double kFootY = 7450.0; // baseline of the page number

double pen_width(int pen) {
    const double mm = pen >= 3 ? 0.5 : pen == 2 ? 0.25 : 0.13;
    return mm / kMillimetresPerUnit;
}

QFont glyph_font(double size) {
    QFont font(kReportFontFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The fonts of one page, built once per pixel size; the painter's font is
// set only when the size changes, not for every glyph.
class GlyphFonts {
  public:
    void use(QPainter& painter, double size) {
        const int pixels = std::max(1, static_cast<int>(std::lround(size)));
        if (&painter == painter_ && pixels == current_) return;
        auto found = fonts_.find(pixels);
        if (found == fonts_.end()) found = fonts_.emplace(pixels, glyph_font(pixels)).first;
        painter.setFont(found->second);
        painter_ = &painter;
        current_ = pixels;
    }
    // After the painter's state was restored, the next use sets the font again.
    void forget() { painter_ = nullptr; }

  private:
    std::map<int, QFont> fonts_;
    const QPainter* painter_ = nullptr;
    int current_ = 0;
};

// Text of one shift (one font and baseline) from x: a glyph, or a run of
// glyphs on adjacent cells, which the fixed-pitch font advances cell by cell.
void draw_glyphs(QPainter& painter, GlyphFonts& fonts, const std::string& text, Shift shift,
                 double x, double baseline, double size) {
    double scale = 1.0;
    double y = baseline;
    if (shift == Shift::raised) {
        scale = kShiftedScale;
        y -= kRaise * size / kGlyphSize;
    } else if (shift == Shift::lowered) {
        scale = kShiftedScale;
        y += kLower * size / kGlyphSize;
    }
    fonts.use(painter, size * scale);
    painter.drawText(QPointF(x, y), QString::fromStdString(text));
}

void draw_glyph(QPainter& painter, GlyphFonts& fonts, const Glyph& glyph, double x, double baseline,
                double size) {
    draw_glyphs(painter, fonts, glyph.text, glyph.shift, x, baseline, size);
}

// A row's glyphs drawn run by run: adjacent glyphs of one shift are drawn
// with one call; a space ends a run and draws nothing.
void draw_row(QPainter& painter, GlyphFonts& fonts, const TextRow& row, double baseline) {
    const std::vector<PlacedGlyph>& glyphs = row.glyphs;
    std::string text;
    for (std::size_t i = 0; i < glyphs.size();) {
        const PlacedGlyph& first = glyphs[i];
        if (first.glyph.text == " ") {
            ++i;
            continue;
        }
        text = first.glyph.text;
        int next_cell = first.cell + first.glyph.cells;
        std::size_t j = i + 1;
        for (; j < glyphs.size(); ++j) {
            const PlacedGlyph& g = glyphs[j];
            if (g.cell != next_cell || g.glyph.shift != first.glyph.shift || g.glyph.text == " ")
                break;
            text += g.glyph.text;
            next_cell += g.glyph.cells;
        }
        draw_glyphs(painter, fonts, text, first.glyph.shift, kBodyLeft + first.cell * kUnitsPerCell,
                    baseline, kGlyphSize);
        i = j;
    }
}

void draw_text_line(QPainter& painter, const std::string& utf8, double x, double baseline,
                    double size) {
    painter.setFont(glyph_font(size));
    painter.drawText(QPointF(x, baseline), QString::fromStdString(utf8));
}

// Line types of the drawing commands: 0 solid, 1 dashed, 2 dash-dot.
constexpr int kDashedLine = 1;
constexpr int kDashDotLine = 2;

QPen drawing_pen(int type, int pen) {
    QPen out(Qt::black);
    out.setWidthF(pen_width(pen));
    out.setCapStyle(Qt::FlatCap);
    out.setStyle(type == kDashedLine    ? Qt::DashLine
                 : type == kDashDotLine ? Qt::DashDotLine
                                        : Qt::SolidLine);
    return out;
}

void draw_arrow(QPainter& painter, QPointF from, QPointF to, double length, double width) {
    painter.drawLine(from, to);
    const double dx = to.x() - from.x();
    const double dy = to.y() - from.y();
    const double d = std::hypot(dx, dy);
    if (d <= 0.0) return;
    const QPointF unit(dx / d, dy / d);
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * length;
    QPolygonF head;
    head << to << base + normal * (width / 2) << base - normal * (width / 2);
    painter.save();
    painter.setBrush(Qt::black);
    painter.drawPolygon(head);
    painter.restore();
}

void draw_angle_mark(QPainter& painter, QPointF first, QPointF vertex, QPointF third) {
    QPolygonF arc;
    for (const BodyPoint& p :
         angle_mark_arc({first.x(), first.y()}, {vertex.x(), vertex.y()}, {third.x(), third.y()}))
        arc << QPointF(p.x, p.y);
    painter.drawPolyline(arc);
}

// K: anchored at its lower left, written along the angle counter-clockwise;
// a full-width glyph advances by the width, a half-width one by half.
void draw_drawing_text(QPainter& painter, GlyphFonts& fonts, const DrawCommand& command,
                       QPointF anchor) {
    const double height = std::max(1, command.numbers[2]);
    const double width = std::max(1, command.numbers[3]);
    const MarkedText text = decode_drawing_text(command.text);
    painter.save();
    fonts.forget();
    painter.translate(anchor);
    painter.rotate(-command.numbers[4]);
    painter.scale(width / height, 1.0);
    const double baseline = -height * kDrawingBaselineLift;
    double x = 0.0;
    for (const Glyph& glyph : text.glyphs) {
        draw_glyph(painter, fonts, glyph, x, baseline, height);
        x += glyph.cells * height / 2.0;
    }
    painter.restore();
    fonts.forget();
}

void paint_drawing(QPainter& painter, GlyphFonts& fonts, const DrawingBox& box, double x,
                   double y) {
    painter.save();
    if (!box.drawing) {
        QPen pen(Qt::black);
        pen.setWidthF(pen_width(1));
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        const double height = box.lines * kUnitsPerLine;
        painter.drawRect(QRectF(x + kDrawingOffsetX, y, 3900, height));
        draw_text_line(painter, "〔" + cp932_to_utf8_lossy(box.name) + "〕",
                       x + kDrawingOffsetX + 100, y + 150, kGlyphSize);
        painter.restore();
        return;
    }
    const double ox = x + kDrawingOffsetX;
    auto at = [&](const DrawCommand& c, int i) {
        return QPointF(ox + c.numbers[2 * i], y + c.numbers[2 * i + 1]);
    };
    for (const DrawCommand& c : box.drawing->commands) {
        switch (c.letter) {
        case 'L':
            painter.setPen(drawing_pen(c.numbers[4], c.numbers[5]));
            painter.drawLine(at(c, 0), at(c, 1));
            break;
        case 'Q':
            painter.setPen(drawing_pen(c.numbers[4], c.numbers[5]));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(at(c, 0), at(c, 1)).normalized());
            break;
        case 'Y':
            painter.setPen(drawing_pen(0, c.numbers[6]));
            draw_arrow(painter, at(c, 0), at(c, 1), c.numbers[4], c.numbers[5]);
            break;
        case 'P':
            painter.setPen(drawing_pen(0, c.numbers[6]));
            draw_angle_mark(painter, at(c, 0), at(c, 1), at(c, 2));
            break;
        case 'K':
            painter.setPen(QPen(Qt::black));
            draw_drawing_text(painter, fonts, c, at(c, 0));
            break;
        default:
            break;
        }
    }
    painter.restore();
}

} // namespace

void paint_page(QPainter& painter, const LaidPage& page, int page_number, const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kPageWidthUnits, target.height() / kPageHeightUnits);
    painter.fillRect(QRectF(0, 0, kPageWidthUnits, kPageHeightUnits), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black));

    // Page head: title, run stamp and data name, printed as written.
    draw_text_line(painter, page.title, kBodyLeft, kHeadTitleY, kGlyphSize);
    draw_text_line(painter, page.stamp + "    " + page.data_name, kBodyLeft, kHeadStampY,
                   kGlyphSize * 0.8);

    GlyphFonts fonts;
    for (const DrawingBox& box : page.drawings)
        paint_drawing(painter, fonts, box, kBodyLeft, kBodyTop + box.line * kUnitsPerLine);
    fonts.forget();

    painter.setPen(QPen(Qt::black));
    for (const TextRow& row : page.rows)
        draw_row(painter, fonts, row, kBodyTop + row.line * kUnitsPerLine + kBaselineDepth);

    const QString number = QString("- %1 -").arg(page_number);
    painter.setFont(glyph_font(kGlyphSize * 0.8));
    const double width = number.size() * kGlyphSize * 0.4;
    painter.drawText(QPointF((kPageWidthUnits - width) / 2.0, kFootY), number);
    painter.restore();
}

} // namespace wtn::viewer
