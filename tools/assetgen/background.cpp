// The main window's background: title strip, result panel with its row
// captions, blue input area with captions and underlines, seven tabs.
#include "art_style.h"
#include "indexed_picture.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <array>

namespace assetgen {
namespace {

using guheng::shell::buttonTabs;
using guheng::shell::buttonTop;
using guheng::shell::fieldPlaces;
using guheng::shell::marqueePlace;
using guheng::shell::rectOf;

constexpr int clientWidth = guheng::shell::clientSize.width();
constexpr int pictureWidth = clientWidth + 1, pictureHeight = guheng::shell::clientSize.height();

struct Caption {
    int x, y;
    const char* text;
};
// Result rows, left of the labels at x = 82.
constexpr std::array<Caption, 8> resultCaptions{{{20, 31, "您的属相："},
                                                 {20, 45, "生辰八字："},
                                                 {20, 59, "农历出生："},
                                                 {20, 87, "称骨重量："},
                                                 {20, 101, "称骨命运："},
                                                 {20, 129, "出生太岁："},
                                                 {95, 129, "岁阳："},
                                                 {180, 129, "岁阴："}}};
// Input rows: captions in white; the fields themselves are widgets.
constexpr std::array<Caption, 8> inputCaptions{{{19, 170, "您的姓名："},
                                                {19, 184, "出生日期："},
                                                {81, 184, "公元"},
                                                {136, 184, "年"},
                                                {166, 184, "月"},
                                                {197, 184, "日"},
                                                {19, 198, "出生时间："},
                                                {95, 198, "点"}}};
constexpr std::array<Caption, 3> inputHints{
    {{133, 170, "[请务必填写真实姓名]"}, {214, 184, "[公历日期]"}, {111, 198, "[0点至23点，分钟无需填写]"}}};

QPainterPath windowOutline() {
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, clientWidth, 40), 6, 6);
    QPainterPath square;
    square.addRect(QRectF(0, 12, clientWidth, buttonTop - 12));
    body = body.united(square);
    for (const auto& tab : buttonTabs) {
        QPainterPath rounded;
        rounded.addRoundedRect(QRectF(tab.left, buttonTop - 8, tab.width, pictureHeight - buttonTop + 8), 3,
                               3);
        QPainterPath top;
        top.addRect(QRectF(tab.left, buttonTop - 8, tab.width, 8));
        body = body.united(rounded).united(top);
    }
    return body;
}

// A pixel is a hole when less than half of it lies inside the outline.
QImage holesOf(const QPainterPath& outline) {
    QImage coverage(pictureWidth, pictureHeight, QImage::Format_ARGB32);
    coverage.fill(Qt::transparent);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline, Qt::white);
    painter.end();
    QImage holes(pictureWidth, pictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < pictureHeight; ++y)
        for (int x = 0; x < pictureWidth; ++x)
            holes.setPixel(x, y, qAlpha(coverage.pixel(x, y)) < 128 ? 0xFFFFFFFF : 0xFF000000);
    return holes;
}

void drawTitleStrip(QPainter& painter) {
    QLinearGradient shade(0, 0, 0, 17);
    shade.setColorAt(0, titleBlue.lighter(125));
    shade.setColorAt(1, deepBlue);
    painter.fillRect(QRect(0, 0, clientWidth, 17), shade);
    painter.fillRect(QRect(6, 3, 11, 11), seal);
    drawText(painter, QRect(6, 3, 11, 11), Qt::AlignCenter, "骨", Qt::white, cjkFont(9, true));
    drawText(painter, QRect(22, 0, 160, 17), Qt::AlignLeft | Qt::AlignVCenter, programTitle, Qt::white,
             cjkFont(12, true));
    drawText(painter, QRect(200, 0, 88, 17), Qt::AlignRight | Qt::AlignVCenter, versionText, hintInk,
             cjkFont(11));
}

void drawResultPanel(QPainter& painter) {
    painter.setPen(panelEdge);
    painter.setBrush(panelWhite);
    painter.drawRoundedRect(QRectF(6.5, 22.5, 284, 142), 5, 5);
    for (const Caption& caption : resultCaptions)
        drawText(painter, QRect(caption.x, caption.y - 2, 80, 16), Qt::AlignLeft | Qt::AlignVCenter,
                 caption.text, captionInk, cjkFont(12));
    // The marquee strip's frame; the strip itself is a widget of the same colour.
    painter.fillRect(rectOf(marqueePlace).adjusted(-1, -1, 1, 1), marqueeGreen.darker(115));
    painter.fillRect(rectOf(marqueePlace), marqueeGreen);
}

void drawInputArea(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(inputBlue);
    painter.drawRoundedRect(QRectF(6, 166, 285, 49), 5, 5);
    for (const Caption& caption : inputCaptions)
        drawText(painter, QRect(caption.x, caption.y - 2, 80, 16), Qt::AlignLeft | Qt::AlignVCenter,
                 caption.text, Qt::white, cjkFont(12));
    for (const Caption& hint : inputHints)
        drawText(painter, QRect(hint.x, hint.y - 2, 180, 16), Qt::AlignLeft | Qt::AlignVCenter, hint.text,
                 hintInk, cjkFont(11));
    // An underline under each input field.
    for (const auto& field : fieldPlaces)
        painter.fillRect(QRect(field.left - 1, field.top + field.height, field.width + 2, 1), hintInk);
}

} // namespace

QImage drawBackground() {
    const QPainterPath outline = windowOutline();
    QImage art(pictureWidth, pictureHeight, QImage::Format_RGB32);
    art.fill(deepBlue);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRect(1, 17, clientWidth - 2, buttonTop - 18), paleBlue);
    drawTitleStrip(painter);
    drawResultPanel(painter);
    drawInputArea(painter);
    painter.end();
    return toIndexedWithKey(art, holesOf(outline));
}

} // namespace assetgen
