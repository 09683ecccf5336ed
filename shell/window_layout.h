// Where the main window's widgets lie, in pixels, and the colours they share
// with the background painted under them. The window and the picture generator
// both read these, so the widgets stay on what the background draws for them.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>

namespace guheng::shell {

// The window's client area; its background picture has one more, empty column.
inline constexpr QSize clientSize{297, 235};

struct Place {
    int left, top, width, height;
};

inline QRect rectOf(const Place& place) {
    return QRect(place.left, place.top, place.width, place.height);
}

// The seven button tabs along the bottom edge.
struct ButtonTab {
    int left, width;
    const char* caption;
};
inline constexpr int buttonTop = 218, buttonHeight = 17;
inline constexpr std::array<ButtonTab, 7> buttonTabs{{{0, 42, "开始"},
                                                      {43, 42, "重来"},
                                                      {86, 41, "输出"},
                                                      {128, 42, "打印"},
                                                      {171, 41, "网站"},
                                                      {213, 42, "信箱"},
                                                      {256, 41, "退出"}}};

// Text6, Text1, Text2, Text3 and Text4. The number fields are a little wider
// than four or two 6-pixel digits: this font's digits are 6.5 pixels.
inline constexpr std::array<Place, 5> fieldPlaces{
    {{79, 170, 48, 12}, {105, 184, 28, 12}, {150, 184, 14, 12}, {181, 184, 14, 12}, {79, 198, 14, 12}}};

inline constexpr Place curtainPlace{14, 31, 264, 115};
inline constexpr Place marqueePlace{16, 150, 264, 12};

inline const QColor inputBlue{41, 121, 189};
inline const QColor marqueeGreen{120, 184, 160};

} // namespace guheng::shell
