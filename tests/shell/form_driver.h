// Drives Form1 as a user would, through its named widgets, without showing any modal window.
#pragma once

#include "shell/assets.h"
#include "shell/form1.h"
#include "shell/picture_button.h"
#include "shell/text_box.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace shelltest {

using guheng::shell::Form1;
using guheng::shell::PictureButton;
using guheng::shell::TextBox;

inline PictureButton* button(Form1& form, int index) {
    return form.findChild<PictureButton*>(QString("Picture3(%1)").arg(index));
}
inline TextBox* field(Form1& form, const char* name) {
    return form.findChild<TextBox*>(name);
}
inline QString caption(Form1& form, const char* name) {
    return form.findChild<QLabel*>(name)->text();
}
inline QTimer* timer(Form1& form, const char* name) {
    return form.findChild<QTimer*>(name);
}
inline QWidget* curtain(Form1& form) {
    return form.findChild<QWidget*>("Picture1");
}

// A press and release of the left button in the middle of the button, as a click.
inline void click(PictureButton& target) {
    const QPoint middle = target.rect().center();
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, middle, target.mapToGlobal(middle), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &event);
    }
}

inline void enter(Form1& form, const QString& name, const QString& year, const QString& month,
                  const QString& day, const QString& hour) {
    field(form, "Text6")->setText(name);
    field(form, "Text1")->setText(year);
    field(form, "Text2")->setText(month);
    field(form, "Text3")->setText(day);
    field(form, "Text4")->setText(hour);
}

// The worked example (李明, 1 January 2000 at hour 0) entered, 开始 clicked and the curtain opened to its
// end.
inline void reckonAndOpen(Form1& form) {
    enter(form, QStringLiteral("李明"), QStringLiteral("2000"), QStringLiteral("1"), QStringLiteral("1"),
          QStringLiteral("0"));
    click(*button(form, 0));
    while (timer(form, "Timer1")->isActive())
        form.timer1Tick();
}

// Which picture a button shows, by the asset it came from.
inline QString lookOf(PictureButton& target) {
    const QImage shown = target.picture().toImage();
    for (const char* look : {"normal", "hover", "pressed", "disabled"})
        if (shown == guheng::shell::asset(QString("button%1_%2").arg(target.index()).arg(look)).toImage())
            return look;
    return "unknown";
}

} // namespace shelltest
