#include "calendar/about_box.h"

#include "calendar/calendar_version.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <array>

namespace guheng::calendar {
namespace {

// Positions and sizes of frmAbout in twips; 15 twips to the pixel.
constexpr int TwipsPerPixel = 15;

struct LabelPlace {
    const char* name;
    int left, top, width, height;
    const char16_t* text;
};

constexpr std::array<LabelPlace, 5> Lines{{
    {"Label1", 120, 480, 2175, 255, u"作者：Guheng 开发组"},
    {"Label3", 120, 840, 2535, 255, u"电子邮件：dev@guheng.invalid"},
    {"Label4", 120, 1200, 5535, 255, u"欢迎访问我们的网页，了解本控件的最新消息。"},
    {"Label2", 120, 1800, 2175, 255, u"Guheng 开发组　2026年12月"},
    {"lblDisclaimer", 120, 2280, 4860, 180, u"本控件按原样提供，使用者自行承担使用风险。"},
}};

QRect pixels(int left, int top, int width, int height) {
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

QLabel* addLabel(QDialog& box, const LabelPlace& place) {
    auto* label = new QLabel(QString::fromUtf16(place.text), &box);
    label->setObjectName(QString::fromLatin1(place.name));
    label->setGeometry(pixels(place.left, place.top, place.width, place.height));
    return label;
}

void makeBlack(QLabel& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
}

// Built anew for every call and gone when it closes.
void buildFrmAbout(QDialog& box) {
    box.setObjectName(QStringLiteral("frmAbout"));
    box.setWindowTitle(QStringLiteral("关于 星台"));
    // Fixed border, a close button only.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // An empty icon would fall back to the application's; a transparent one shows none.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    box.setWindowIcon(QIcon(noIcon));
    box.setFixedSize(5745 / TwipsPerPixel, 3330 / TwipsPerPixel);

    auto* title = addLabel(box, {"lblTitle", 120, 120, 2085, 240, AboutTitle.data()});
    makeBlack(*title);
    for (const LabelPlace& line : Lines)
        addLabel(box, line);
    auto* disclaimer = box.findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
    makeBlack(*disclaimer);
    disclaimer->adjustSize();

    auto* ok = new QPushButton(QStringLiteral("确定"), &box);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(pixels(2280, 2760, 1500, 345));
    ok->setDefault(true); // Enter presses it; Esc closes the dialog as its cancel
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
}

} // namespace

automation::HRESULT showAboutBox() {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application)
        return automation::E_UNEXPECTED;
    if (QThread::currentThread() != application->thread())
        return automation::RPC_E_WRONG_THREAD;
    QDialog box; // no owner window
    buildFrmAbout(box);
    box.setModal(true);
    box.exec();
    return automation::S_OK;
}

} // namespace guheng::calendar
