// The window's outline, cut from its background picture: every pixel whose
// palette index (or, for a picture without a palette, whose colour) equals that
// of the top-left pixel is a hole; everything else is the visible and clickable
// window, built row by row from runs of non-key pixels.
#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

namespace guheng::shell {

// key receives the value the holes have. A null picture gives an empty region.
QRegion outlineOf(const QImage& picture, uint& key);

// Masks form with the outline of its background picture; a frameless window's
// client area starts at the picture's corner, so no frame offset applies.
// An empty outline leaves the window unmasked rather than invisible.
void ShapeWindow(QWidget& form, const QImage& background);

} // namespace guheng::shell
