// The curtain over the results and the marquee strip, one step per tick.
#include "shell/form1.h"
#include "shell/picture_box.h"
#include "shell/screen_units.h"
#include "shell/text_box.h"
#include "shell/window_layout.h"

#include <QLabel>
#include <QTimer>

namespace guheng::shell {
namespace {

constexpr int marqueeRestartLeft = 3900; // twips: 4 pixels inside the strip's right end

} // namespace

// Opening: the curtain narrows 2 pixels a tick towards the left; once it is
// gone the result commands take over from 开始.
void Form1::timer1Tick() {
    if (Picture1->width() > 2) {
        Picture1->resize(Picture1->width() - 2, Picture1->height());
        return;
    }
    Picture1->hide();
    Timer1->stop();
    setButtonEnabled(0, false);
    for (int i : {1, 2, 3})
        setButtonEnabled(i, true);
}

// Closing: the curtain grows a pixel a tick downwards; once it is down the
// window is ready for a new entry.
void Form1::timer3Tick() {
    if (Picture1->height() < curtainPlace.height) {
        Picture1->resize(Picture1->width(), Picture1->height() + 1);
        return;
    }
    Timer3->stop();
    setButtonEnabled(0, true);
    setInputsLocked(false);
}

void Form1::timer2Tick() {
    if (marqueeLeft() < marqueeResetBound())
        Text5->move(marqueeRestartLeft / twipsPerPixel, 0);
    else
        Text5->move(Text5->x() - 1, 0);
}

int Form1::marqueeLeft() const {
    return toTwips(Text5->x());
}

int Form1::marqueeResetBound() const {
    return -toTwips(Text5->width()) + 5;
}

void Form1::setButtonEnabled(int index, bool enabled) {
    Picture3[index]->setEnabled(enabled);
    Picture3[index]->setPicture(enabled ? Image4[index] : Image5[index]);
}

void Form1::setInputsLocked(bool locked) {
    for (TextBox* box : {Text6, Text1, Text2, Text3, Text4})
        box->setLocked(locked);
}

} // namespace guheng::shell
