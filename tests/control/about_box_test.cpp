// The About box, opened through the control's About method in the real library. A watcher sees
// each box as it is shown, records what it looks like, and closes it with a key, so no test waits
// on a timer.
#include "automation/hosting.h"
#include "calendar/calendar_interface.h"
#include "temporary_data_home.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>
#include <vector>

using namespace guheng::automation;
using namespace guheng::calendar;

namespace {

struct SeenBox {
    QString title;
    QSize size;
    bool modalWhileShown = false;
    bool hasOwner = true;
    bool centred = false;
    bool iconShowsNothing = false;
    Qt::WindowFlags flags;
    std::vector<std::pair<QString, QRect>> labels; // objectName, geometry
    std::vector<QString> texts;
    QRect okGeometry;
    bool okIsDefault = false;
};

bool isFullyTransparent(const QIcon& icon) {
    QImage image = icon.pixmap(16, 16).toImage();
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

// Records each frmAbout when it appears, then presses the next key on it once it runs modally.
class AboutBoxWatcher : public QObject {
  public:
    explicit AboutBoxWatcher(std::vector<int> keys) : keys_(std::move(keys)) {
        qApp->installEventFilter(this);
    }
    ~AboutBoxWatcher() override { qApp->removeEventFilter(this); }

    std::vector<SeenBox> seen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && box && box->objectName() == QLatin1String("frmAbout")) {
            record(*box);
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        QWidget* box = QApplication::activeModalWidget();
        seen.back().modalWhileShown = box && box->objectName() == QLatin1String("frmAbout");
        if (box && !keys_.empty()) {
            QKeyEvent press(QEvent::KeyPress, keys_.front(), Qt::NoModifier);
            keys_.erase(keys_.begin());
            QCoreApplication::sendEvent(box, &press);
        }
        return true;
    }

  private:
    void record(QWidget& box) {
        SeenBox s;
        s.title = box.windowTitle();
        s.size = box.size();
        s.hasOwner = box.parentWidget() != nullptr;
        s.flags = box.windowFlags();
        s.iconShowsNothing = isFullyTransparent(box.windowIcon());
        QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        s.centred = (box.geometry().center() - screenCentre).manhattanLength() <= 2;
        for (const char* name : {"lblTitle", "Label1", "Label3", "Label4", "Label2", "lblDisclaimer"}) {
            auto* label = box.findChild<QLabel*>(QLatin1String(name));
            s.labels.emplace_back(label ? label->objectName() : QString(),
                                  label ? label->geometry() : QRect());
            s.texts.push_back(label ? label->text() : QString());
        }
        if (auto* ok = box.findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
            s.okGeometry = ok->geometry();
            s.okIsDefault = ok->isDefault();
            s.texts.push_back(ok->text());
        }
        seen.push_back(s);
    }

    std::vector<int> keys_;
};

class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override {
        HostingResult created = createControl(CalendarProgId, nullptr, nullptr);
        ASSERT_EQ(created.status, S_OK) << statusMessage(created.status);
        control = std::move(created.control);
    }

    TemporaryDataHome dataHome;
    HostedControl control;
};

TEST_F(AboutBox, TwoCallsShowTheBoxTwiceAndEscAndEnterCloseIt) {
    AboutBoxWatcher watcher({Qt::Key_Escape, Qt::Key_Return});
    EXPECT_EQ(control.call(DISPID_About), S_OK);
    ASSERT_EQ(watcher.seen.size(), 1u) << "the first call returned once its box was closed";
    EXPECT_EQ(control.call(DISPID_About), S_OK);
    ASSERT_EQ(watcher.seen.size(), 2u);
    for (const SeenBox& box : watcher.seen)
        EXPECT_TRUE(box.modalWhileShown);
}

TEST_F(AboutBox, LooksAsLaidOut) {
    AboutBoxWatcher watcher({Qt::Key_Enter});
    ASSERT_EQ(control.call(DISPID_About), S_OK);
    ASSERT_EQ(watcher.seen.size(), 1u);
    const SeenBox& box = watcher.seen.front();

    EXPECT_EQ(box.title, QStringLiteral("关于 星台"));
    EXPECT_EQ(box.size, QSize(5745 / 15, 3330 / 15));
    EXPECT_FALSE(box.hasOwner);
    EXPECT_TRUE(box.centred);
    EXPECT_TRUE(box.iconShowsNothing);
    EXPECT_FALSE(box.flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    // Places in twips, 15 to the pixel; the disclaimer is sized to its text, so only its corner is fixed.
    const std::pair<const char*, QRect> places[] = {
        {"lblTitle", {120 / 15, 120 / 15, 2085 / 15, 240 / 15}},
        {"Label1", {8, 32, 2175 / 15, 17}},
        {"Label3", {8, 56, 2535 / 15, 17}},
        {"Label4", {8, 80, 5535 / 15, 17}},
        {"Label2", {8, 120, 2175 / 15, 17}},
        {"lblDisclaimer", {8, 152, 0, 0}},
    };
    for (std::size_t i = 0; i < std::size(places); ++i) {
        EXPECT_EQ(box.labels[i].first, QLatin1String(places[i].first));
        QRect expected = places[i].second;
        if (expected.width() == 0)
            EXPECT_EQ(box.labels[i].second.topLeft(), expected.topLeft()) << places[i].first;
        else
            EXPECT_EQ(box.labels[i].second, expected) << places[i].first;
    }
    EXPECT_EQ(box.okGeometry, QRect(2280 / 15, 2760 / 15, 1500 / 15, 345 / 15));
    EXPECT_TRUE(box.okIsDefault);
    EXPECT_EQ(box.texts.front(), QStringLiteral("星台 1.0.10"));
    EXPECT_EQ(box.texts.back(), QStringLiteral("确定"));
    for (const QString& text : box.texts)
        EXPECT_FALSE(text.isEmpty());
}

} // namespace
