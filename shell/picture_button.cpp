#include "shell/picture_button.h"

#include "shell/screen_units.h"

#include <QMouseEvent>
#include <cmath>

namespace guheng::shell {

PictureButton::PictureButton(int index, const ButtonPictures& pictures, QWidget* parent)
    : PictureBox(parent), index_(index), pictures_(pictures) {
    setMouseTracking(true);
}

bool PictureButton::showsPressed() const {
    return picture().cacheKey() == pictures_.pressed.cacheKey();
}

bool PictureButton::isInside(int xTwips, int yTwips, QSize size) {
    return xTwips >= 0 && xTwips <= toTwips(size.width()) && yTwips >= 0 && yTwips <= toTwips(size.height());
}

bool PictureButton::isInside(QPointF position) const {
    return isInside(toTwips(std::lround(std::floor(position.x()))),
                    toTwips(std::lround(std::floor(position.y()))), size());
}

void PictureButton::mousePressEvent(QMouseEvent*) {
    setPicture(pictures_.pressed);
}

// While a button is held Qt keeps sending the moves here even outside the
// button, which stands in for capturing the mouse; with no button held, the
// leave event tells us the pointer has gone.
void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    if (!isInside(event->position())) {
        setPicture(pictures_.normal);
        return;
    }
    if (event->buttons() == Qt::LeftButton)
        setPicture(pictures_.pressed);
    else if (!showsPressed())
        setPicture(pictures_.hover);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    // Released away from the button: it let the mouse go when the pointer left.
    if (!isInside(event->position())) {
        setPicture(pictures_.normal);
        return;
    }
    setPicture(pictures_.hover);
    if (event->button() == Qt::LeftButton)
        emit clicked(index_);
}

void PictureButton::leaveEvent(QEvent*) {
    if (isEnabled())
        setPicture(pictures_.normal);
}

} // namespace guheng::shell
