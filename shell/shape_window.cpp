#include "shell/shape_window.h"

#include <QWidget>

namespace guheng::shell {
namespace {

// Indexed pictures compare palette indexes, as the outline has always been cut;
// other pictures compare colours.
uint valueAt(const QImage& picture, int x, int y) {
    return picture.format() == QImage::Format_Indexed8 ? uint(picture.pixelIndex(x, y)) : picture.pixel(x, y);
}

} // namespace

QRegion outlineOf(const QImage& picture, uint& key) {
    QRegion outline;
    if (picture.isNull())
        return outline;
    key = valueAt(picture, 0, 0);
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < width) {
            if (valueAt(picture, x, y) == key) {
                ++x;
                continue;
            }
            const int runStart = x;
            while (x < width && valueAt(picture, x, y) != key)
                ++x;
            outline += QRect(runStart, y, x - runStart, 1);
        }
    }
    return outline;
}

void ShapeWindow(QWidget& form, const QImage& background) {
    uint key = 0;
    const QRegion outline = outlineOf(background, key);
    if (outline.isEmpty())
        form.clearMask();
    else
        form.setMask(outline);
}

} // namespace guheng::shell
