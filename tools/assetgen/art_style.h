// Colours, fonts and text helpers shared by every picture the generator draws,
// so the window, its buttons and its covers read as one design.
#pragma once

#include "shell/window_font.h"
#include "shell/window_layout.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace assetgen {

// The widgets over the background share these two colours and the font.
using guheng::shell::inputBlue;
using guheng::shell::marqueeGreen;
inline const QColor deepBlue{21, 74, 122};
inline const QColor titleBlue{30, 96, 158};
inline const QColor paleBlue{234, 242, 250};
inline const QColor panelWhite{251, 253, 255};
inline const QColor panelEdge{150, 185, 218};
inline const QColor captionInk{34, 58, 86};
inline const QColor hintInk{196, 222, 244};
inline const QColor hoverOrange{245, 166, 35};
inline const QColor disabledGrey{150, 178, 204};
inline const QColor seal{178, 34, 34};
inline const QColor gold{236, 204, 128};

using guheng::shell::windowFontFamily;
inline constexpr char programName[] = "骨衡";
inline constexpr char programTitle[] = "骨衡 · 称骨论命";
inline constexpr char versionText[] = "1.0 版";

QFont cjkFont(int pixelSize, bool bold = false);
// False when the font is missing: the pictures would then depend on the machine.
bool cjkFontAvailable();
void drawText(QPainter& painter, const QRect& box, int flags, const QString& text, const QColor& ink,
              const QFont& font);

} // namespace assetgen
