#include "picture_widget.h"

#include "form_binder.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace wtn::qt {
namespace {

// Size of a text printed without one of its own.
constexpr double kDefaultTextPoints = 9;

QColor to_color(ui::Color c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

Qt::PenStyle to_pen_style(ui::LineStyle style) {
    switch (style) {
    case ui::LineStyle::Dash:
        return Qt::DashLine;
    case ui::LineStyle::Dot:
        return Qt::DotLine;
    case ui::LineStyle::DashDot:
        return Qt::DashDotLine;
    case ui::LineStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case ui::LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

enum class Way { down, up };

// text moved past every earlier text it meets, one way; nothing when it
// would leave the area.
std::optional<QRectF> settle(QRectF text, const std::vector<QRectF>& placed, const QRectF& area,
                             Way way) {
    // Each step moves past one more text, always the same way: a text can
    // be met at most once.
    for (std::size_t step = 0; step <= placed.size(); ++step) {
        auto met = std::find_if(placed.begin(), placed.end(),
                                [&](const QRectF& other) { return other.intersects(text); });
        if (met == placed.end()) return text;
        if (way == Way::down) {
            text.moveTop(met->bottom());
        } else {
            text.moveBottom(met->top());
        }
        if (text.top() < area.top() || text.bottom() > area.bottom()) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

QRectF place_text(QRectF text, const std::vector<QRectF>& placed, const QRectF& area) {
    if (text.right() > area.right()) text.moveRight(area.right());
    if (text.left() < area.left()) text.moveLeft(area.left());
    if (text.bottom() > area.bottom()) text.moveBottom(area.bottom());
    if (text.top() < area.top()) text.moveTop(area.top());
    for (Way way : {Way::down, Way::up}) {
        if (auto settled = settle(text, placed, area, way)) return *settled;
    }
    return text;
}

ui::MouseButton to_mouse_button(Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton) return ui::MouseButton::Left;
    if (buttons & Qt::RightButton) return ui::MouseButton::Right;
    if (buttons & Qt::MiddleButton) return ui::MouseButton::Middle;
    return ui::MouseButton::None;
}

int to_shift_state(Qt::KeyboardModifiers m) {
    return ((m & Qt::ShiftModifier) ? 1 : 0) | ((m & Qt::ControlModifier) ? 2 : 0) |
           ((m & Qt::AltModifier) ? 4 : 0);
}

QFont picture_font(const ui::PictureBox& box, const QFont& window_font) {
    if (box.font_name.empty()) return window_font;
    // The fixed-pitch Japanese Gothic of the Windows systems does not exist
    // here: IPAGothic takes its place (full-width glyphs of two half-width
    // cells, as there).
    static const char* const kFixedPitchNames[] = {"ＭＳ ゴシック", "MS Gothic"};
    for (const char* name : kFixedPitchNames) {
        if (box.font_name == name) return fixed_pitch_font();
    }
    return QFont(to_qt(box.font_name));
}

PictureWidget::PictureWidget(ui::PictureBox& box, QWidget* parent) : QWidget(parent), box_(box) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);
}

QPointF PictureWidget::to_pixels(double x, double y) const {
    double sw = box_.effective_scale_width();
    double sh = box_.effective_scale_height();
    if (sw == 0 || sh == 0) return {};
    return {(x - box_.scale_left) * width() / sw, (y - box_.scale_top) * height() / sh};
}

void PictureWidget::to_scale(const QPointF& p, double& x, double& y) const {
    x = box_.scale_left + p.x() * box_.effective_scale_width() / std::max(1, width());
    y = box_.scale_top + p.y() * box_.effective_scale_height() / std::max(1, height());
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_color(box_.back_color));
    const QFont base_font = picture_font(box_, font());
    text_places_.clear();
    for (const ui::DrawCommand& c : box_.commands()) {
        painter.setCompositionMode(c.mode == ui::DrawMode::Xor
                                       ? QPainter::RasterOp_SourceXorDestination
                                       : QPainter::CompositionMode_SourceOver);
        QPen pen(to_color(c.color));
        pen.setWidth(c.width);
        pen.setStyle(to_pen_style(c.style));
        painter.setPen(pen);
        QPointF a = to_pixels(c.x1, c.y1);
        switch (c.kind) {
        case ui::DrawCommand::Kind::Line:
            painter.drawLine(a, to_pixels(c.x2, c.y2));
            break;
        case ui::DrawCommand::Kind::Box:
            painter.drawRect(QRectF(a, to_pixels(c.x2, c.y2)).normalized());
            break;
        case ui::DrawCommand::Kind::Text: {
            QFont font = base_font;
            set_font_points(font, c.font_size > 0 ? c.font_size : kDefaultTextPoints);
            painter.setFont(font);
            // The text's upper-left corner sits at the current position; its
            // glyphs run from after its leading blanks to its last glyph.
            const QString text = to_qt(c.text);
            const QFontMetricsF metrics(font);
            const QString trimmed = text.trimmed();
            if (trimmed.isEmpty()) break;
            const double lead = metrics.horizontalAdvance(text.left(text.indexOf(trimmed)));
            const QRectF glyphs(a.x() + lead, a.y(), metrics.horizontalAdvance(trimmed),
                                metrics.height());
            const QRectF placed = place_text(glyphs, text_places_, QRectF(rect()));
            text_places_.push_back(placed);
            painter.drawText(placed.topLeft() + QPointF(-lead, metrics.ascent()), text);
            break;
        }
        }
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    double x = 0, y = 0;
    to_scale(event->position(), x, y);
    box_.user_mouse_down(to_mouse_button(event->button()), to_shift_state(event->modifiers()), x,
                         y);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    double x = 0, y = 0;
    to_scale(event->position(), x, y);
    box_.user_mouse_move(to_mouse_button(event->buttons()), to_shift_state(event->modifiers()), x,
                         y);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    double x = 0, y = 0;
    to_scale(event->position(), x, y);
    box_.user_mouse_up(to_mouse_button(event->button()), to_shift_state(event->modifiers()), x, y);
}

} // namespace wtn::qt
