#include "art_style.h"

#include <QFontInfo>

namespace assetgen {

QFont cjkFont(int pixelSize, bool bold) {
    QFont font(windowFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

bool cjkFontAvailable() {
    return QFontInfo(cjkFont(12)).family() == windowFontFamily;
}

void drawText(QPainter& painter, const QRect& box, int flags, const QString& text, const QColor& ink,
              const QFont& font) {
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, flags, text);
}

} // namespace assetgen
