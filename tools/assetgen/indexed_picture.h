// Turns a drawn picture into a 256-colour picture whose palette index keyIndex
// holds keyColour on exactly the pixels of the key mask and nowhere else.
#pragma once

#include <QImage>

namespace assetgen {

inline constexpr int keyIndex = 252;
inline const QRgb keyColour = qRgb(0xC0, 0xC0, 0xC0);

// art: any 32-bit picture; keyMask: same size, Format_Mono or any format where
// a non-zero pixel marks a hole. Colours beyond 255 are matched to the nearest.
QImage toIndexedWithKey(const QImage& art, const QImage& keyMask);

} // namespace assetgen
