// A picture box: draws its picture at the top-left corner, clipped and never
// scaled, over its back colour. Resizing keeps the top-left corner, so a
// narrower box shrinks towards the left and a taller one grows downwards.
// A disabled box gets no mouse input (Qt passes it to the parent instead).
#pragma once

#include <QPixmap>
#include <QWidget>

namespace guheng::shell {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void setBackColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

} // namespace guheng::shell
