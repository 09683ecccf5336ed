#include "shell/form2.h"

#include "shell/assets.h"
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/screen_units.h"
#include "shell/window_font.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace guheng::shell {
namespace {

constexpr QSize splashSize{360, 240};

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace

Form2::Form2(StoredCalendar calendar1, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      calendar1_(std::move(calendar1)) {
    setObjectName("Form2");
    setFont(windowFont());
    setFixedSize(splashSize);
    // Closing the splash must not end the program: Form1 lives on.
    setAttribute(Qt::WA_QuitOnClose, false);
    picture_ = asset("splash");
    centreOnScreen(*this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(shortestTimerPeriod);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form2::timer1Tick);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(1800);
    connect(Timer2, &QTimer::timeout, this, &Form2::timer2Tick);
    Timer1->start();
    Timer2->start();
}

Form2::~Form2() = default;

void Form2::timer1Tick() {
    loadForm1();
}

void Form2::timer2Tick() {
    showForm1();
}

void Form2::mousePressEvent(QMouseEvent*) {
    showForm1();
}

void Form2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

bool Form2::loadForm1() {
    if (form1_)
        return true;
    auto form = std::make_unique<Form1>(calendar1_);
    if (const auto failure = form->load()) {
        unload();
        MessageBox::inform(nullptr, *failure);
        QCoreApplication::exit(1);
        return false;
    }
    form1_ = std::move(form);
    return true;
}

void Form2::showForm1() {
    if (!loadForm1())
        return;
    centreOnScreen(*form1_);
    form1_->show();
    unload();
}

void Form2::unload() {
    Timer1->stop();
    Timer2->stop();
    close();
}

} // namespace guheng::shell
