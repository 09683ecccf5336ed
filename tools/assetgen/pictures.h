// The pictures of the program, each drawn from nothing but the art style and
// the window layout, so running the generator twice gives the same files.
#pragma once

#include <QImage>
#include <QString>

namespace assetgen {

// 298 x 235, 8 bits per pixel, holes in palette index 252.
QImage drawBackground();
// 266 x 115: the cover over the result panel.
QImage drawCurtain();
// 360 x 240: the start-up picture.
QImage drawSplash();
// 64 x 64 program icon.
QImage drawIcon();

enum class ButtonLook { normal, hover, pressed, disabled };
QImage drawButton(const QString& caption, int width, ButtonLook look);

} // namespace assetgen
