// One of the window's picture buttons: it shows its normal, hover or pressed
// picture as the mouse moves over it, presses and leaves, and reports a click
// of the left button released over it. The picture on the button is its only
// state; whoever owns the button may put any picture on it.
#pragma once

#include "shell/picture_box.h"

namespace guheng::shell {

struct ButtonPictures {
    QPixmap normal, hover, pressed;
};

class PictureButton : public PictureBox {
    Q_OBJECT
  public:
    PictureButton(int index, const ButtonPictures& pictures, QWidget* parent);

    int index() const { return index_; }
    bool showsPressed() const;

    // Inside includes the right and bottom edges, in twips as the mouse reports them.
    static bool isInside(int xTwips, int yTwips, QSize size);

  signals:
    void clicked(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    bool isInside(QPointF position) const;

    int index_;
    ButtonPictures pictures_;
};

} // namespace guheng::shell
