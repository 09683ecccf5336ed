// A picture button's pictures as the mouse moves, presses and leaves, and its click.
#include "shell/picture_button.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using guheng::shell::ButtonPictures;
using guheng::shell::PictureButton;

namespace {

QPixmap plain(QColor colour) {
    QPixmap picture(42, 17);
    picture.fill(colour);
    return picture;
}

void send(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

void moveTo(QWidget& target, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    send(target, QEvent::MouseMove, at, Qt::NoButton, held);
}

} // namespace

class PictureButtonTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void insideTest_data();
    void insideTest();
    void hoverPressReleaseCycle();
    void rightButtonPressStaysPressedWhileMoving();
    void leavingWithLeftHeldAndComingBack();
    void releaseAwayFromButtonIsNoClick();
    void leaveShowsNormal();
    void disabledButtonIgnoresTheMouse();
    void throughQtsOwnMouseDispatch();

  private:
    ButtonPictures pictures_{plain(Qt::blue), plain(QColor(255, 165, 0)), plain(Qt::darkBlue)};
    std::unique_ptr<PictureButton> button_;

    enum Look { normal, hover, pressed, other };
    Look look() const {
        const qint64 key = button_->picture().cacheKey();
        return key == pictures_.normal.cacheKey()    ? normal
               : key == pictures_.hover.cacheKey()   ? hover
               : key == pictures_.pressed.cacheKey() ? pressed
                                                     : other;
    }
};

void PictureButtonTest::init() {
    button_ = std::make_unique<PictureButton>(3, pictures_, nullptr);
    button_->resize(42, 17);
    button_->setPicture(pictures_.normal);
}

void PictureButtonTest::insideTest_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left corner") << 0 << 0 << true;
    QTest::newRow("right edge at w x 15") << 42 * 15 << 5 << true;
    QTest::newRow("bottom edge at h x 15") << 5 << 17 * 15 << true;
    QTest::newRow("x = -1") << -1 << 5 << false;
    QTest::newRow("y = -1") << 5 << -1 << false;
    QTest::newRow("one twip past the right edge") << 42 * 15 + 1 << 5 << false;
    QTest::newRow("one twip past the bottom edge") << 5 << 17 * 15 + 1 << false;
}

void PictureButtonTest::insideTest() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, inside);
    QCOMPARE(PictureButton::isInside(x, y, QSize(42, 17)), inside);
}

void PictureButtonTest::hoverPressReleaseCycle() {
    QSignalSpy clicks(button_.get(), &PictureButton::clicked);
    moveTo(*button_, {10, 8});
    QCOMPARE(look(), hover);
    send(*button_, QEvent::MouseButtonPress, {10, 8}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(look(), pressed);
    moveTo(*button_, {12, 8}, Qt::LeftButton);
    QCOMPARE(look(), pressed);
    send(*button_, QEvent::MouseButtonRelease, {12, 8}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(look(), hover);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.front().front().toInt(), 3);
    moveTo(*button_, {50, 8});
    QCOMPARE(look(), normal);
}

void PictureButtonTest::rightButtonPressStaysPressedWhileMoving() {
    QSignalSpy clicks(button_.get(), &PictureButton::clicked);
    send(*button_, QEvent::MouseButtonPress, {10, 8}, Qt::RightButton, Qt::RightButton);
    QCOMPARE(look(), pressed);
    moveTo(*button_, {20, 8}, Qt::RightButton);
    QCOMPARE(look(), pressed);
    send(*button_, QEvent::MouseButtonRelease, {20, 8}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(look(), hover);
    QCOMPARE(clicks.count(), 0);
}

void PictureButtonTest::leavingWithLeftHeldAndComingBack() {
    send(*button_, QEvent::MouseButtonPress, {10, 8}, Qt::LeftButton, Qt::LeftButton);
    moveTo(*button_, {-1, 8}, Qt::LeftButton);
    QCOMPARE(look(), normal);
    moveTo(*button_, {10, 8}, Qt::LeftButton);
    QCOMPARE(look(), pressed);
}

void PictureButtonTest::releaseAwayFromButtonIsNoClick() {
    QSignalSpy clicks(button_.get(), &PictureButton::clicked);
    send(*button_, QEvent::MouseButtonPress, {10, 8}, Qt::LeftButton, Qt::LeftButton);
    moveTo(*button_, {10, 30}, Qt::LeftButton);
    send(*button_, QEvent::MouseButtonRelease, {10, 30}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(look(), normal);
    QCOMPARE(clicks.count(), 0);
}

void PictureButtonTest::leaveShowsNormal() {
    moveTo(*button_, {10, 8});
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button_.get(), &leave);
    QCOMPARE(look(), normal);
}

// A disabled button keeps whatever picture was put on it.
void PictureButtonTest::disabledButtonIgnoresTheMouse() {
    QSignalSpy clicks(button_.get(), &PictureButton::clicked);
    const QPixmap disabledLook = plain(Qt::gray);
    button_->setPicture(disabledLook);
    button_->setEnabled(false);
    moveTo(*button_, {10, 8});
    send(*button_, QEvent::MouseButtonPress, {10, 8}, Qt::LeftButton, Qt::LeftButton);
    send(*button_, QEvent::MouseButtonRelease, {10, 8}, Qt::LeftButton, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button_.get(), &leave);
    QCOMPARE(button_->picture().cacheKey(), disabledLook.cacheKey());
    QCOMPARE(clicks.count(), 0);
}

// The same cycle through Qt's dispatch on a shown window, where Qt itself keeps
// sending the moves of a held button to the button and reports the leaving.
void PictureButtonTest::throughQtsOwnMouseDispatch() {
    QWidget window;
    window.resize(120, 60);
    PictureButton button(5, pictures_, &window);
    button.setGeometry(10, 10, 42, 17);
    button.setPicture(pictures_.normal);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow* handle = window.windowHandle();
    QSignalSpy clicks(&button, &PictureButton::clicked);
    const auto looks = [&] { return button.picture().cacheKey(); };

    QTest::mouseMove(handle, QPoint(30, 18));
    QCOMPARE(looks(), pictures_.hover.cacheKey());
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(30, 18));
    QCOMPARE(looks(), pictures_.pressed.cacheKey());
    QTest::mouseMove(handle, QPoint(100, 50));
    QCOMPARE(looks(), pictures_.normal.cacheKey());
    QTest::mouseMove(handle, QPoint(31, 18));
    QCOMPARE(looks(), pictures_.pressed.cacheKey());
    QTest::mouseMove(handle, QPoint(100, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(100, 50));
    QCOMPARE(looks(), pictures_.normal.cacheKey());
    QCOMPARE(clicks.count(), 0);

    QTest::mouseMove(handle, QPoint(30, 18));
    QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(30, 18));
    QCOMPARE(looks(), pictures_.hover.cacheKey());
    QCOMPARE(clicks.count(), 1);
    QTest::mouseMove(handle, QPoint(100, 50));
    QCOMPARE(looks(), pictures_.normal.cacheKey());
}

QTEST_MAIN(PictureButtonTest)
#include "picture_button_test.moc"
