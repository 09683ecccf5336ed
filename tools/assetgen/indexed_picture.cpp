#include "indexed_picture.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <limits>

namespace assetgen {
namespace {

int distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

bool isHole(const QImage& keyMask, int x, int y) {
    return (keyMask.pixel(x, y) & 0xFFFFFF) != 0;
}

// The most frequent colours win the palette; ties are broken by value so the
// output does not depend on hash order.
QList<QRgb> commonColours(const QImage& art, const QImage& keyMask, int count) {
    QHash<QRgb, int> frequency;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (!isHole(keyMask, x, y))
                ++frequency[art.pixel(x, y) | 0xFF000000];
    QList<QRgb> colours = frequency.keys();
    std::sort(colours.begin(), colours.end(), [&](QRgb a, QRgb b) {
        return frequency[a] != frequency[b] ? frequency[a] > frequency[b] : a < b;
    });
    colours.resize(std::min<qsizetype>(colours.size(), count));
    std::sort(colours.begin(), colours.end());
    return colours;
}

} // namespace

QImage toIndexedWithKey(const QImage& art, const QImage& keyMask) {
    QList<QRgb> palette = commonColours(art, keyMask, 255);
    for (QRgb& colour : palette)
        if ((colour & 0xFFFFFF) == (keyColour & 0xFFFFFF))
            colour = qRgb(0xC1, 0xC1, 0xC1); // a look-alike of the key must not read as one
    while (palette.size() < 255)
        palette.append(qRgb(0, 0, 0));
    palette.insert(keyIndex, keyColour);

    QImage indexed(art.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < art.height(); ++y) {
        uchar* row = indexed.scanLine(y);
        for (int x = 0; x < art.width(); ++x) {
            if (isHole(keyMask, x, y)) {
                row[x] = keyIndex;
                continue;
            }
            const QRgb colour = art.pixel(x, y) | 0xFF000000;
            auto found = nearest.find(colour);
            if (found == nearest.end()) {
                int best = 0, bestDistance = std::numeric_limits<int>::max();
                for (int i = 0; i < palette.size(); ++i) {
                    const int d = distance(colour, palette[i]);
                    if (i != keyIndex && d < bestDistance) {
                        best = i;
                        bestDistance = d;
                    }
                }
                found = nearest.insert(colour, best);
            }
            row[x] = static_cast<uchar>(*found);
        }
    }
    return indexed;
}

} // namespace assetgen
