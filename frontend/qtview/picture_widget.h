// The Qt face of a picture box: replays the recorded drawing commands in the
// box's user scale and turns mouse events into scale units.
#pragma once

#include "picture_box.h"

#include <QWidget>

namespace wtn::qt {

// The toolkit's mouse button of a Qt event (the first of the held buttons)
// and its shift state: Shift 1, Ctrl 2, Alt 4.
ui::MouseButton to_mouse_button(Qt::MouseButtons buttons);
int to_shift_state(Qt::KeyboardModifiers modifiers);

// The font a picture box prints with: its named font (the Japanese system
// font names map to the fixed-pitch Japanese font), else the window's.
QFont picture_font(const ui::PictureBox& box, const QFont& window_font);

class PictureWidget : public QWidget {
  public:
    PictureWidget(ui::PictureBox& box, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPointF to_pixels(double x, double y) const;
    void to_scale(const QPointF& p, double& x, double& y) const;
    ui::PictureBox& box_;
};

} // namespace wtn::qt
