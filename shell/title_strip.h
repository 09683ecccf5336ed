// The invisible strip over the painted title (Image1): a left-button press on it
// moves the window through the window system; where none is available (a bare
// X server) the strip moves the window itself while the button is held.
#pragma once

#include <QPoint>
#include <QWidget>

namespace guheng::shell {

class TitleStrip : public QWidget {
    Q_OBJECT
  public:
    explicit TitleStrip(QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool movingByHand_ = false;
    QPoint grabOffset_;
};

} // namespace guheng::shell
