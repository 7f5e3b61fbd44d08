#include "picture_widget.h"

#include "form_binder.h"

#include <QMouseEvent>
#include <QPainter>

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

} // namespace

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
            // The text's upper-left corner sits at the current position.
            QFontMetricsF metrics(font);
            painter.drawText(a + QPointF(0, metrics.ascent()), to_qt(c.text));
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
