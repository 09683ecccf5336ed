// The seven tab buttons in their four looks.
#include "art_style.h"
#include "pictures.h"

#include <QLinearGradient>

namespace assetgen {
namespace {

struct Look {
    QColor top, bottom, ink;
    int captionDrop; // pressed captions sit one pixel lower
};

Look lookOf(ButtonLook look) {
    switch (look) {
    case ButtonLook::hover:
        return {hoverOrange.lighter(115), hoverOrange, Qt::black, 0};
    case ButtonLook::pressed:
        return {deepBlue.darker(115), deepBlue, Qt::white, 1};
    case ButtonLook::disabled:
        return {inputBlue, inputBlue.darker(112), disabledGrey, 0};
    case ButtonLook::normal:
        break;
    }
    return {inputBlue.lighter(112), inputBlue.darker(108), Qt::white, 0};
}

} // namespace

QImage drawButton(const QString& caption, int width, ButtonLook look) {
    constexpr int height = 17;
    const Look colours = lookOf(look);
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, colours.top);
    shade.setColorAt(1, colours.bottom);
    painter.fillRect(picture.rect(), shade);
    if (look != ButtonLook::pressed)
        painter.fillRect(QRect(0, 0, width, 1), colours.top.lighter(120));
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawText(painter, QRect(0, colours.captionDrop, width, height), Qt::AlignCenter, caption, colours.ink,
             cjkFont(12));
    return picture;
}

} // namespace assetgen
