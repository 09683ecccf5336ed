// The curtain over the result panel and the start-up picture: both show the
// program's name and version on the window's blue.
#include "art_style.h"
#include "pictures.h"

#include <QLinearGradient>

namespace assetgen {
namespace {

void drawBlueGround(QPainter& painter, const QRect& area) {
    QLinearGradient shade(area.topLeft(), area.bottomRight());
    shade.setColorAt(0, inputBlue);
    shade.setColorAt(1, deepBlue);
    painter.fillRect(area, shade);
}

void drawDoubleFrame(QPainter& painter, const QRect& area, int inset) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 1));
    painter.drawRect(QRectF(area).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5));
    painter.setPen(QPen(QColor(gold.red(), gold.green(), gold.blue(), 110), 1));
    painter.drawRect(QRectF(area).adjusted(inset + 3.5, inset + 3.5, -inset - 3.5, -inset - 3.5));
}

void drawSealMark(QPainter& painter, const QRect& square, int pixelSize) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(seal);
    painter.drawRoundedRect(square, 3, 3);
    drawText(painter, square.adjusted(0, -1, 0, 0), Qt::AlignCenter, "称骨", Qt::white,
             cjkFont(pixelSize, true));
}

} // namespace

QImage drawCurtain() {
    // Shown 264 wide: the last two columns are clipped, so the art centres on 264.
    QImage picture(266, 115, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBlueGround(painter, picture.rect());
    drawDoubleFrame(painter, QRect(0, 0, 264, 115), 4);
    drawText(painter, QRect(0, 14, 264, 48), Qt::AlignCenter, programName, Qt::white, cjkFont(40));
    drawText(painter, QRect(0, 62, 264, 18), Qt::AlignCenter, "生 辰 八 字 · 两 钱 称 骨", gold, cjkFont(13));
    drawText(painter, QRect(0, 84, 264, 16), Qt::AlignCenter, versionText, hintInk, cjkFont(11));
    drawSealMark(painter, QRect(214, 78, 28, 22), 10);
    return picture;
}

QImage drawSplash() {
    QImage picture(360, 240, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawBlueGround(painter, picture.rect());
    drawDoubleFrame(painter, picture.rect(), 8);
    drawText(painter, QRect(0, 40, 360, 72), Qt::AlignCenter, programName, Qt::white, cjkFont(64, true));
    drawText(painter, QRect(0, 116, 360, 24), Qt::AlignCenter, "称 骨 论 命", gold, cjkFont(20));
    drawText(painter, QRect(0, 146, 360, 18), Qt::AlignCenter, "生辰八字 · 四柱称重 · 农历万年历", hintInk,
             cjkFont(12));
    drawText(painter, QRect(0, 196, 360, 16), Qt::AlignCenter, versionText, hintInk, cjkFont(12));
    drawSealMark(painter, QRect(290, 188, 40, 30), 14);
    return picture;
}

QImage drawIcon() {
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient shade(0, 0, 64, 64);
    shade.setColorAt(0, inputBlue);
    shade.setColorAt(1, deepBlue);
    painter.setPen(QPen(gold, 2));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    drawText(painter, QRect(0, 0, 64, 62), Qt::AlignCenter, "骨", Qt::white, cjkFont(44, true));
    return picture;
}

} // namespace assetgen
