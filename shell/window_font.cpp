#include "shell/window_font.h"

#include <QStringList>

namespace guheng::shell {

QFont windowFont() {
    QFont font(windowFontFamily);
    // Named fallbacks keep simplified-style glyphs where the first choice is absent.
    font.setFamilies({windowFontFamily, "Noto Sans CJK SC", "Droid Sans Fallback"});
    font.setPixelSize(12);
    return font;
}

} // namespace guheng::shell
