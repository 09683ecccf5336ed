// The splash: its first tick loads Form1 hidden; its 1800 ms tick or a click
// shows Form1 and closes the splash.
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/message_box.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

using guheng::shell::Form2;
using guheng::shell::MessageBox;

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void splashIsTopmostWithoutTaskBarEntry();
    void firstTickLoadsForm1Hidden();
    void timer1TicksOnlyOnce();
    void timerShowsForm1AndCloses();
    void clickBeforeAnyTickShowsForm1();
    void missingControlShowsTheReasonAndEnds();
};

void Form2Test::splashIsTopmostWithoutTaskBarEntry() {
    Form2 splash;
    QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.windowType(), Qt::SplashScreen);
    QCOMPARE(splash.size(), QSize(360, 240));
    QCOMPARE(splash.findChild<QTimer*>("Timer2")->interval(), 1800);
}

void Form2Test::firstTickLoadsForm1Hidden() {
    Form2 splash;
    splash.show();
    QVERIFY(!splash.form1());
    splash.timer1Tick();
    QVERIFY(splash.form1());
    QVERIFY(splash.form1()->isHidden());
    QVERIFY(!splash.form1()->mask().isEmpty());
    const auto* loaded = splash.form1();
    splash.timer1Tick();
    QCOMPARE(splash.form1(), loaded);
    QVERIFY(splash.isVisible());
}

// Loading is its only job: once Form1 is there the timer does not keep ticking.
void Form2Test::timer1TicksOnlyOnce() {
    Form2 splash;
    splash.show();
    QTRY_VERIFY(splash.form1());
    QVERIFY(!splash.findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(splash.form1()->isHidden());
    QVERIFY(splash.isVisible());
}

void Form2Test::timerShowsForm1AndCloses() {
    Form2 splash;
    splash.show();
    splash.timer1Tick();
    splash.timer2Tick();
    QVERIFY(splash.form1()->isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(!splash.findChild<QTimer*>("Timer2")->isActive());
}

void Form2Test::clickBeforeAnyTickShowsForm1() {
    Form2 splash;
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(splash.form1());
    QVERIFY(splash.form1()->isVisible());
    QVERIFY(!splash.form1()->mask().isEmpty());
    QVERIFY(!splash.isVisible());
}

void Form2Test::missingControlShowsTheReasonAndEnds() {
    Form2 splash(guheng::shell::StoredCalendar{u"星台.Missing", 36923});
    splash.show();
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QEventLoop loop;
    QTimer::singleShot(0, &splash, [&splash] { splash.timer1Tick(); });
    // A safety net only: the failed load ends the loop at once with 1.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 1);
    QVERIFY(MessageBox::lastPrompt().contains("星台.Missing"));
    QVERIFY(!splash.form1());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.findChild<QTimer*>("Timer1")->isActive());
    QVERIFY(!splash.findChild<QTimer*>("Timer2")->isActive());
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
