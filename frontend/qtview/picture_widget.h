// The Qt face of a picture box: replays the recorded drawing commands in the
// box's user scale and turns mouse events into scale units.
#pragma once

#include "picture_box.h"

#include <QRectF>
#include <QWidget>

#include <vector>

namespace wtn::qt {

// The toolkit's mouse button of a Qt event (the first of the held buttons)
// and its shift state: Shift 1, Ctrl 2, Alt 4.
ui::MouseButton to_mouse_button(Qt::MouseButtons buttons);
int to_shift_state(Qt::KeyboardModifiers modifiers);

// The font a picture box prints with: its named font (the Japanese system
// font names map to the fixed-pitch Japanese font), else the window's.
QFont picture_font(const ui::PictureBox& box, const QFont& window_font);

// Where a printed text goes so that it shows whole and apart from the texts
// printed before it. text is the rectangle the text's glyphs take at the
// place the drawing asks for; a text that runs past an edge of area moves
// back inside it; one that then lies over an earlier text moves down below
// it, or, when that leaves the area, up above it (each as often as needed).
// Where neither way is free the text stays at its place inside the area.
QRectF place_text(QRectF text, const std::vector<QRectF>& placed, const QRectF& area);

class PictureWidget : public QWidget {
  public:
    PictureWidget(ui::PictureBox& box, QWidget* parent);

    // The rectangles the texts' glyphs took at the last paint, in order.
    const std::vector<QRectF>& text_places() const { return text_places_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPointF to_pixels(double x, double y) const;
    void to_scale(const QPointF& p, double& x, double& y) const;
    ui::PictureBox& box_;
    std::vector<QRectF> text_places_;
};

} // namespace wtn::qt
