#include "font_ink.h"

#include "page_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <map>
#include <memory>

namespace wtn::viewer {

namespace {

// Pixel size the glyphs are measured at: large, so the measure is the
// outline's and not a hinted bitmap's.
constexpr int kMeasureSize = 1000;

} // namespace

GlyphInk report_font_ink() {
    QFont font(kReportFontFamily);
    font.setPixelSize(kMeasureSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    auto metrics = std::make_shared<QFontMetricsF>(font);
    auto measured = std::make_shared<std::map<std::string, std::optional<InkBox>>>();
    return [metrics, measured](const Glyph& glyph) -> std::optional<InkBox> {
        auto found = measured->find(glyph.text);
        if (found != measured->end()) return found->second;
        const QRectF r = metrics->tightBoundingRect(QString::fromStdString(glyph.text));
        std::optional<InkBox> ink;
        if (!r.isEmpty())
            ink = InkBox{r.left() / kMeasureSize, r.top() / kMeasureSize, r.right() / kMeasureSize,
                         r.bottom() / kMeasureSize};
        return measured->emplace(glyph.text, ink).first->second;
    };
}

} // namespace wtn::viewer
