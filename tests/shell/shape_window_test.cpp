// The outline cut from a background picture: crafted pictures, then the real one.
#include "shell/assets.h"
#include "shell/shape_window.h"

#include <QTest>

using guheng::shell::outlineOf;

namespace {

// Rows of a picture as text: '.' is palette index 0 (the key when it is at the
// top-left), any digit that index.
QImage indexedPicture(const QStringList& rows) {
    QImage picture(int(rows.front().size()), int(rows.size()), QImage::Format_Indexed8);
    picture.setColorCount(10);
    for (int i = 0; i < 10; ++i)
        picture.setColor(i, qRgb(i * 20, i * 20, i * 20));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QChar c = rows[y][x];
            picture.setPixel(x, y, c == '.' ? 0 : c.digitValue());
        }
    return picture;
}

QStringList visibleRows(const QRegion& outline, QSize size) {
    QStringList rows;
    for (int y = 0; y < size.height(); ++y) {
        QString row;
        for (int x = 0; x < size.width(); ++x)
            row += outline.contains(QPoint(x, y)) ? '#' : '.';
        rows << row;
    }
    return rows;
}

} // namespace

class ShapeWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void craftedPictures_data();
    void craftedPictures();
    void colourPictureComparesColours();
    void nullPictureGivesNoOutline();
    void realBackground();
};

void ShapeWindowTest::craftedPictures_data() {
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<uint>("key");
    QTest::newRow("key pixels inside are holes")
        << QStringList{".111", "1.11", "11.1"} << QStringList{".###", "#.##", "##.#"} << 0u;
    QTest::newRow("a row of key pixels adds nothing")
        << QStringList{"..22", "....", "2.2."} << QStringList{"..##", "....", "#.#."} << 0u;
    QTest::newRow("a run reaching the last column includes it")
        << QStringList{".123", "3333"} << QStringList{".###", "####"} << 0u;
    QTest::newRow("the key is the top-left index, not index 0")
        << QStringList{"5.55", "..5."} << QStringList{".#..", "##.#"} << 5u;
    QTest::newRow("odd width") << QStringList{".12", "2.1", "12."} << QStringList{".##", "#.#", "##."} << 0u;
    QTest::newRow("runs of different indexes join")
        << QStringList{".1234.", ".9876."} << QStringList{".####.", ".####."} << 0u;
}

void ShapeWindowTest::craftedPictures() {
    QFETCH(QStringList, picture);
    QFETCH(QStringList, visible);
    QFETCH(uint, key);
    const QImage image = indexedPicture(picture);
    uint usedKey = 999;
    const QRegion outline = outlineOf(image, usedKey);
    QCOMPARE(visibleRows(outline, image.size()), visible);
    QCOMPARE(usedKey, key);
}

// Two palette entries of the same colour are still different indexes; a
// picture without a palette is cut by colour instead of failing.
void ShapeWindowTest::colourPictureComparesColours() {
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(192, 192, 192));
    picture.setPixel(1, 0, qRgb(10, 20, 30));
    picture.setPixel(2, 0, qRgb(192, 192, 192));
    uint key = 0;
    QCOMPARE(visibleRows(outlineOf(picture, key), picture.size()), QStringList{".#."});
    QCOMPARE(key, uint(qRgb(192, 192, 192)));
}

void ShapeWindowTest::nullPictureGivesNoOutline() {
    uint key = 7;
    QVERIFY(outlineOf(QImage(), key).isEmpty());
    QCOMPARE(key, 7u);
}

void ShapeWindowTest::realBackground() {
    guheng::shell::registerAssets();
    const QImage background(":/assets/background.png");
    QCOMPARE(background.size(), QSize(298, 235));
    QCOMPARE(background.format(), QImage::Format_Indexed8);
    QCOMPARE(background.color(252), qRgb(0xC0, 0xC0, 0xC0));

    uint key = 0;
    const QRegion outline = outlineOf(background, key);
    QCOMPARE(key, 252u);
    QCOMPARE(outline.boundingRect(), QRect(0, 0, 297, 235));
    for (int y = 0; y < 235; ++y)
        QVERIFY2(!outline.contains(QPoint(297, y)), "the last column is a hole");
    for (int gap : {42, 85, 127, 170, 212, 255})
        for (int y = 218; y <= 234; ++y)
            QVERIFY2(!outline.contains(QPoint(gap, y)), qPrintable(QString("gap %1 row %2").arg(gap).arg(y)));
    for (QPoint corner : {QPoint(0, 0), QPoint(296, 0), QPoint(0, 234), QPoint(296, 234)})
        QVERIFY(!outline.contains(corner));
    // The tabs and the body between them are window.
    for (QPoint inside :
         {QPoint(20, 225), QPoint(43, 225), QPoint(296, 225), QPoint(148, 100), QPoint(42, 217)})
        QVERIFY(outline.contains(inside));
}

QTEST_MAIN(ShapeWindowTest)
#include "shape_window_test.moc"
