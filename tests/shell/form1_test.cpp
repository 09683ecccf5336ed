// Form1 with the real reckoning and the real Calendar control: entering,
// reckoning, the curtain, the button states, the marquee and the commands.
#include "form_driver.h"
#include "shell/message_box.h"
#include "shell/screen_units.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QUrl>

using namespace shelltest;
using guheng::shell::MessageBox;

namespace {

// Catches the addresses the window opens instead of starting a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void startState();
    void reckoningShowsTheNineCaptions();
    void rejections_data();
    void rejections();
    void curtainOpensIn131TicksAndAFinalOne();
    void secondClickWhileOpeningReckonsAgain();
    void resetClosesIn114TicksAndAFinalOne();
    void buttonStatesThroughAWholeCycle();
    void startIsIgnoredWhileTheCurtainIsAway();
    void marqueeResetRule();
    void linksOpenWebPageAndMail();
    void exitEndsTheEventLoop();
    void keyFilterOnTheNumberFields();
    void unknownControlClassGivesAReason();
    void titleStripDrag_data();
    void titleStripDrag();

  private:
    std::unique_ptr<Form1> form_;
};

void Form1Test::init() {
    form_ = std::make_unique<Form1>();
    const auto failure = form_->load();
    QVERIFY2(!failure, failure ? qPrintable(*failure) : "");
}

void Form1Test::cleanup() {
    form_.reset();
}

void Form1Test::startState() {
    QCOMPARE(form_->windowTitle(), "Guheng");
    QCOMPARE(form_->size(), QSize(297, 235));
    QVERIFY(form_->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form_->mask().boundingRect(), QRect(0, 0, 297, 235));
    QVERIFY(!form_->mask().contains(QPoint(42, 225)));
    QVERIFY(!curtain(*form_)->isHidden());
    QCOMPARE(curtain(*form_)->size(), QSize(264, 115));
    QVERIFY(timer(*form_, "Timer2")->isActive());
    QVERIFY(!timer(*form_, "Timer1")->isActive());
    QVERIFY(!timer(*form_, "Timer3")->isActive());
    for (const char* name : {"Text6", "Text1", "Text2", "Text3", "Text4"}) {
        QVERIFY(!field(*form_, name)->isLocked());
        QVERIFY(field(*form_, name)->text().isEmpty());
        QVERIFY(!field(*form_, name)->accessibleName().isEmpty());
    }
    const QStringList captions{"开始", "重来", "输出", "打印", "网站", "信箱", "退出"};
    for (int i = 0; i < 7; ++i)
        QCOMPARE(button(*form_, i)->accessibleName(), captions[i]);
}

// The worked example: 1 January 2000, hour 0.
void Form1Test::reckoningShowsTheNineCaptions() {
    enter(*form_, "李明", "2000", "1", "1", "0");
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(*button(*form_, 0));
    QCOMPARE(MessageBox::lastPrompt(), QString());
    QCOMPARE(caption(*form_, "Label16"), "兔");
    QCOMPARE(caption(*form_, "Label17"), "己卯丙子戊午壬子");
    QCOMPARE(caption(*form_, "Label18"), "己卯年丙子月戊午日壬子时");
    QCOMPARE(caption(*form_, "Label2"), "即冬月廿五日");
    QCOMPARE(caption(*form_, "Label19"), "五两九钱");
    QCOMPARE(caption(*form_, "Label20"), "细推此格秀而清，必定才高学业成。");
    QCOMPARE(caption(*form_, "Label1"), "甲第之中应有分，扬鞭走马显威荣。");
    QCOMPARE(caption(*form_, "Label14"), "屠维");
    QCOMPARE(caption(*form_, "Label5"), QString("单阏") + QChar(0x3000));
    for (const char* name : {"Text6", "Text1", "Text2", "Text3", "Text4"})
        QVERIFY(field(*form_, name)->isLocked());
    QVERIFY(timer(*form_, "Timer1")->isActive());
    QVERIFY(form_->findChild<QWidget*>("Label2")->width() >= 6 * 12);
}

void Form1Test::rejections_data() {
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty: the name first") << QStringList{"", "", "", "", ""} << "您的姓名还没有填啊！"
                                               << "Text6";
    QTest::newRow("no year") << QStringList{"李", "", "1", "1", "0"} << "您是哪一年出生的呐？"
                             << "Text1";
    QTest::newRow("no month") << QStringList{"李", "2000", "", "1", "0"} << "您是几月份出生的呐？"
                              << "Text2";
    QTest::newRow("no day") << QStringList{"李", "2000", "1", "", "0"} << "您是几号出生的呐？"
                            << "Text3";
    QTest::newRow("no hour") << QStringList{"李", "2000", "1", "1", ""} << "您是出生时候是几点呐？"
                             << "Text4";
    QTest::newRow("year 1919") << QStringList{"李", "1919", "1", "1", "0"}
                               << "小墨只能算1920年到2031年的性命啊！"
                               << "Text1";
    QTest::newRow("month 00 as typed")
        << QStringList{"李", "2000", "00", "1", "0"} << "小墨好像记得没有00月份的呐……"
        << "Text2";
    QTest::newRow("29 February 2001") << QStringList{"李", "2001", "2", "29", "0"} << "呵呵……日期写错了哦！"
                                      << "Text3";
    QTest::newRow("hour 24") << QStringList{"李", "2000", "1", "1", "24"} << "每天时间是从0点算到23点的啊！"
                             << "Text4";
}

void Form1Test::rejections() {
    QFETCH(QStringList, entry);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    enter(*form_, entry[0], entry[1], entry[2], entry[3], entry[4]);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(*button(*form_, 0));
    QCOMPARE(MessageBox::lastPrompt(), message);
    QCOMPARE(form_->focusWidget(), field(*form_, qPrintable(focus)));
    QCOMPARE(lookOf(*button(*form_, 0)), "normal");
    QVERIFY(!timer(*form_, "Timer1")->isActive());
    QCOMPARE(curtain(*form_)->size(), QSize(264, 115));
    QVERIFY(!field(*form_, "Text1")->isLocked());
    QVERIFY(caption(*form_, "Label16").isEmpty());
}

void Form1Test::curtainOpensIn131TicksAndAFinalOne() {
    enter(*form_, "李明", "2000", "1", "1", "0");
    click(*button(*form_, 0));
    int narrowing = 0;
    while (curtain(*form_)->width() > 2) {
        QCOMPARE(curtain(*form_)->width() % 2, 0);
        form_->timer1Tick();
        ++narrowing;
    }
    QCOMPARE(narrowing, 131);
    QVERIFY(timer(*form_, "Timer1")->isActive());
    QVERIFY(!curtain(*form_)->isHidden());
    form_->timer1Tick();
    QVERIFY(curtain(*form_)->isHidden());
    QVERIFY(!timer(*form_, "Timer1")->isActive());
    QCOMPARE(curtain(*form_)->pos(), QPoint(14, 31));
}

void Form1Test::secondClickWhileOpeningReckonsAgain() {
    enter(*form_, "李明", "2000", "1", "1", "0");
    click(*button(*form_, 0));
    for (int i = 0; i < 10; ++i)
        form_->timer1Tick();
    click(*button(*form_, 0));
    QCOMPARE(curtain(*form_)->width(), 244);
    QVERIFY(timer(*form_, "Timer1")->isActive());
    QCOMPARE(caption(*form_, "Label19"), "五两九钱");
}

void Form1Test::resetClosesIn114TicksAndAFinalOne() {
    reckonAndOpen(*form_);
    click(*button(*form_, 1));
    QCOMPARE(curtain(*form_)->size(), QSize(264, 1));
    QVERIFY(!curtain(*form_)->isHidden());
    for (const char* name : {"Text6", "Text1", "Text2", "Text3", "Text4"}) {
        QVERIFY(field(*form_, name)->text().isEmpty());
        QVERIFY(field(*form_, name)->isLocked());
    }
    int growing = 0;
    while (curtain(*form_)->height() < 115) {
        form_->timer3Tick();
        ++growing;
    }
    QCOMPARE(growing, 114);
    QVERIFY(timer(*form_, "Timer3")->isActive());
    form_->timer3Tick();
    QVERIFY(!timer(*form_, "Timer3")->isActive());
    QCOMPARE(curtain(*form_)->size(), QSize(264, 115));
    for (const char* name : {"Text6", "Text1", "Text2", "Text3", "Text4"})
        QVERIFY(!field(*form_, name)->isLocked());
    // The labels keep their texts under the curtain.
    QCOMPARE(caption(*form_, "Label19"), "五两九钱");
}

void Form1Test::buttonStatesThroughAWholeCycle() {
    // Enabled flags and pictures of buttons 0..3; 4..6 stay enabled throughout.
    const auto states = [this] {
        QStringList row;
        for (int i = 0; i < 4; ++i)
            row << QString(button(*form_, i)->isEnabled() ? "on " : "off ") + lookOf(*button(*form_, i));
        for (int i = 4; i < 7; ++i)
            if (!button(*form_, i)->isEnabled())
                row << QString("button %1 disabled").arg(i);
        return row;
    };
    const QStringList closed{"on normal", "off disabled", "off disabled", "off disabled"};
    QCOMPARE(states(), closed);

    enter(*form_, "李明", "2000", "1", "1", "0");
    click(*button(*form_, 0));
    QCOMPARE(states(), (QStringList{"on hover", "off disabled", "off disabled", "off disabled"}));
    while (timer(*form_, "Timer1")->isActive())
        form_->timer1Tick();
    QCOMPARE(states(), (QStringList{"off disabled", "on normal", "on normal", "on normal"}));

    click(*button(*form_, 1));
    QCOMPARE(states(), (QStringList{"off disabled", "off disabled", "off disabled", "off disabled"}));
    while (timer(*form_, "Timer3")->isActive())
        form_->timer3Tick();
    QCOMPARE(states(), closed);
}

void Form1Test::startIsIgnoredWhileTheCurtainIsAway() {
    reckonAndOpen(*form_);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    button(*form_, 0)->setEnabled(true); // even if it could be clicked
    field(*form_, "Text6")->setText("");
    click(*button(*form_, 0));
    QCOMPARE(MessageBox::lastPrompt(), QString());
    QVERIFY(!timer(*form_, "Timer1")->isActive());
}

void Form1Test::marqueeResetRule() {
    const auto* text5 = form_->findChild<QLabel*>("Text5");
    QVERIFY(text5->text().startsWith("有次对转世感起了兴趣,日思夜想后终恍悟,参透其奥秘。"));
    QCOMPARE(text5->width(), QFontMetrics(form_->font()).horizontalAdvance(text5->text()));
    QVERIFY(text5->width() > 500 * 12);
    const int start = form_->marqueeLeft();
    QCOMPARE(start, 3300);
    QCOMPARE(form_->marqueeResetBound(), -form_->findChild<QWidget*>("Text5")->width() * 15 + 5);
    form_->timer2Tick();
    QCOMPARE(form_->marqueeLeft(), 3300 - 15);
    const int bound = form_->marqueeResetBound();
    int ticks = 1;
    while (form_->marqueeLeft() >= bound) {
        form_->timer2Tick();
        ++ticks;
    }
    // The first edge below the bound is the text's full width, negated.
    QCOMPARE(form_->marqueeLeft(), bound - 5);
    form_->timer2Tick();
    QCOMPARE(form_->marqueeLeft(), 3900);
    const int textWidth = form_->findChild<QWidget*>("Text5")->width();
    QCOMPARE(ticks, 220 + textWidth);
}

void Form1Test::linksOpenWebPageAndMail() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    click(*button(*form_, 4));
    click(*button(*form_, 5));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened[0].scheme(), "https");
    QCOMPARE(catcher.opened[1].scheme(), "mailto");
    QVERIFY(catcher.opened[1].path().contains('@'));
    QCOMPARE(lookOf(*button(*form_, 4)), "normal");
    QCOMPARE(lookOf(*button(*form_, 5)), "normal");
}

void Form1Test::exitEndsTheEventLoop() {
    QEventLoop loop;
    QTimer::singleShot(0, [this] { click(*button(*form_, 6)); });
    // A safety net only: the click ends the loop at once with 0.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 0);
}

void Form1Test::keyFilterOnTheNumberFields() {
    for (const char* name : {"Text1", "Text2", "Text3", "Text4"}) {
        TextBox* box = field(*form_, name);
        QTest::keyClicks(box, "1a-2");
        QCOMPARE(box->text(), "12");
    }
    QCOMPARE(field(*form_, "Text1")->maxLength(), 4);
    for (const char* name : {"Text2", "Text3", "Text4"})
        QCOMPARE(field(*form_, name)->maxLength(), 2);
    QTest::keyClicks(field(*form_, "Text6"), "a-1 b");
    QCOMPARE(field(*form_, "Text6")->text(), "a-1 ");
}

void Form1Test::unknownControlClassGivesAReason() {
    Form1 broken(guheng::shell::StoredCalendar{u"星台.NoSuchControl", 36923});
    const auto failure = broken.load();
    QVERIFY(failure.has_value());
    QVERIFY2(failure->contains("星台.NoSuchControl"), qPrintable(*failure));
    QVERIFY2(failure->contains("0x800401f3"), qPrintable(*failure));
}

void Form1Test::titleStripDrag_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("left button moves the window") << int(Qt::LeftButton) << QPoint(30, 20);
    QTest::newRow("right button does not") << int(Qt::RightButton) << QPoint(0, 0);
    QTest::newRow("middle button does not") << int(Qt::MiddleButton) << QPoint(0, 0);
}

// Where the window system offers no move of its own (as here), the strip moves the window by hand.
void Form1Test::titleStripDrag() {
    QFETCH(int, button);
    QFETCH(QPoint, moved);
    QWidget* strip = form_->findChild<QWidget*>("Image1");
    QCOMPARE(strip->geometry(), QRect(0, 0, 297, 17));
    form_->move(100, 100);
    const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        QMouseEvent event(type, strip->mapFromGlobal(global), global, Qt::MouseButton(button), held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &event);
    };
    const auto held = Qt::MouseButtons(button);
    send(QEvent::MouseButtonPress, QPoint(150, 108), held);
    send(QEvent::MouseMove, QPoint(180, 128), held);
    send(QEvent::MouseButtonRelease, QPoint(180, 128), Qt::NoButton);
    send(QEvent::MouseMove, QPoint(250, 250), Qt::NoButton);
    QCOMPARE(form_->pos(), QPoint(100, 100) + moved);
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
