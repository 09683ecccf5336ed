#include "shell/title_strip.h"

#include <QMouseEvent>
#include <QWindow>

namespace guheng::shell {

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent) {}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    movingByHand_ = true;
    grabOffset_ = event->globalPosition().toPoint() - window()->pos();
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    if (movingByHand_ && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        movingByHand_ = false;
}

} // namespace guheng::shell
