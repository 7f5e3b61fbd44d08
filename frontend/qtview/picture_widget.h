// The Qt face of a picture box: replays the recorded drawing commands in the
// box's user scale and turns mouse events into scale units.
#pragma once

#include "picture_box.h"

#include <QWidget>

namespace wtn::qt {

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
