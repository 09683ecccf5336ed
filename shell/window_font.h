// The font of every window: WenQuanYi Micro Hei at 12 pixels (9 points at 96
// dpi), whose full-width characters are 12 px wide as the layout expects. When
// it is missing, Qt's fallback stands in and the program still runs.
#pragma once

#include <QFont>

namespace guheng::shell {

inline constexpr char windowFontFamily[] = "WenQuanYi Micro Hei";

QFont windowFont();

} // namespace guheng::shell
