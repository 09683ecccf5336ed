#include "shell/form1.h"

#include "reckoning/control_calendar.h"
#include "shell/assets.h"
#include "shell/marquee_text.h"
#include "shell/picture_box.h"
#include "shell/screen_units.h"
#include "shell/shape_window.h"
#include "shell/text_box.h"
#include "shell/title_strip.h"
#include "shell/window_font.h"
#include "shell/window_layout.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace guheng::shell {
namespace {

const QColor resultInk{150, 30, 30};
constexpr int marqueeStartLeft = 3300; // twips inside the strip

} // namespace

Form1::Form1(StoredCalendar calendar1, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), storedCalendar1_(std::move(calendar1)) {
    setObjectName("Form1");
    setWindowTitle("Guheng");
    registerAssets();
    setWindowIcon(QIcon(":/assets/icon.png"));
    setFont(windowFont());
    setFixedSize(clientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(34, 58, 86));
    setPalette(palette);
    backgroundPicture_ = QImage(":/assets/background.png");
    background_ = QPixmap::fromImage(backgroundPicture_);

    auto* image1 = new TitleStrip(this);
    image1->setObjectName("Image1");
    image1->setGeometry(0, 0, 297, 17);

    buildResultLabels();
    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(rectOf(curtainPlace));
    Picture1->setPicture(asset("curtain"));
    Picture1->setBackColour(Qt::white);
    Picture1->setEnabled(false);
    buildMarquee();
    buildInputFields();
    buildButtons();
    buildTimers();
}

Form1::~Form1() = default;

void Form1::buildResultLabels() {
    struct LabelLayout {
        QLabel** label;
        const char* name;
        Place place;
    };
    const std::array<LabelLayout, 9> layouts{{{&Label16, "Label16", {82, 31, 12, 12}},
                                              {&Label17, "Label17", {82, 45, 96, 12}},
                                              {&Label18, "Label18", {82, 59, 144, 12}},
                                              {&Label2, "Label2", {82, 73, 6, 12}},
                                              {&Label19, "Label19", {82, 87, 48, 12}},
                                              {&Label20, "Label20", {82, 101, 192, 12}},
                                              {&Label1, "Label1", {82, 115, 192, 12}},
                                              {&Label14, "Label14", {131, 129, 24, 12}},
                                              {&Label5, "Label5", {216, 129, 36, 12}}}};
    for (const LabelLayout& layout : layouts) {
        auto* label = new QLabel(this);
        label->setObjectName(layout.name);
        label->setGeometry(rectOf(layout.place));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, resultInk);
        label->setPalette(palette);
        *layout.label = label;
    }
}

void Form1::buildMarquee() {
    Picture2 = new PictureBox(this);
    Picture2->setObjectName("Picture2");
    Picture2->setGeometry(rectOf(marqueePlace));
    Picture2->setBackColour(marqueeGreen);

    const QString text = QString::fromStdU16String(std::u16string(marqueeText));
    Text5 = new QLabel(text, Picture2);
    Text5->setObjectName("Text5");
    Text5->setTextFormat(Qt::PlainText);
    Text5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // As wide as the text in the window's font, so the reset comes when its end has passed.
    Text5->setGeometry(marqueeStartLeft / twipsPerPixel, 0, QFontMetrics(font()).horizontalAdvance(text),
                       marqueePlace.height);
    QPalette palette = Text5->palette();
    palette.setColor(QPalette::WindowText, QColor(28, 72, 56));
    Text5->setPalette(palette);
}

void Form1::buildInputFields() {
    struct FieldLayout {
        TextBox** box;
        const char* name;
        const char* accessibleName;
        TextBox::Filter filter;
        int maxLength;
    };
    using Filter = TextBox::Filter;
    // In the order of fieldPlaces.
    const std::array<FieldLayout, 5> layouts{{{&Text6, "Text6", "姓名", Filter::anything, 4},
                                              {&Text1, "Text1", "出生年份", Filter::digitsOnly, 4},
                                              {&Text2, "Text2", "出生月份", Filter::digitsOnly, 2},
                                              {&Text3, "Text3", "出生日", Filter::digitsOnly, 2},
                                              {&Text4, "Text4", "出生时间（点）", Filter::digitsOnly, 2}}};
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const FieldLayout& layout = layouts[i];
        auto* box = new TextBox(layout.filter, layout.maxLength, this);
        box->setObjectName(layout.name);
        box->setAccessibleName(layout.accessibleName);
        box->setGeometry(rectOf(fieldPlaces[i]));
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, inputBlue);
        palette.setColor(QPalette::Text, Qt::white);
        palette.setColor(QPalette::Highlight, Qt::white);
        palette.setColor(QPalette::HighlightedText, inputBlue);
        box->setPalette(palette);
        *layout.box = box;
    }
}

void Form1::buildButtons() {
    for (int i = 0; i < 7; ++i) {
        const QString stem = QString("button%1_").arg(i);
        Image4[i] = asset(stem + "normal");
        if (i < int(Image5.size()))
            Image5[i] = asset(stem + "disabled");
        auto* button =
            new PictureButton(i, {Image4[i], asset(stem + "hover"), asset(stem + "pressed")}, this);
        button->setObjectName(QString("Picture3(%1)").arg(i));
        button->setAccessibleName(buttonTabs[i].caption);
        button->setGeometry(buttonTabs[i].left, buttonTop, buttonTabs[i].width, buttonHeight);
        connect(button, &PictureButton::clicked, this, &Form1::onButtonClicked);
        Picture3[i] = button;
    }
    for (int i : {1, 2, 3})
        Picture3[i]->setEnabled(false);
}

void Form1::buildTimers() {
    const auto makeTimer = [this](const char* name, std::chrono::milliseconds period, void (Form1::*tick)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(period);
        connect(timer, &QTimer::timeout, this, tick);
        return timer;
    };
    Timer1 = makeTimer("Timer1", shortestTimerPeriod, &Form1::timer1Tick);
    Timer2 = makeTimer("Timer2", std::chrono::milliseconds(15), &Form1::timer2Tick);
    Timer3 = makeTimer("Timer3", shortestTimerPeriod, &Form1::timer3Tick);
}

std::optional<QString> Form1::load() {
    ShapeWindow(*this, backgroundPicture_);
    SaveDlg = std::make_unique<dialogs::CommDlg>();
    auto created = createCalendar1(storedCalendar1_);
    if (auto* reason = std::get_if<QString>(&created))
        return *reason;
    Calendar1 = std::move(std::get<automation::HostedControl>(created));
    calendar_ = std::make_unique<reckoning::ControlCalendar>(*Calendar1.dispatch());
    setButtonEnabled(0, true);
    for (int i : {1, 2, 3})
        setButtonEnabled(i, false);
    for (int i : {4, 5, 6})
        Picture3[i]->setPicture(Image4[i]);
    Timer2->start();
    return std::nullopt;
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

} // namespace guheng::shell
