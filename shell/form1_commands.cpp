// What the picture buttons do when clicked.
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/picture_box.h"
#include "shell/text_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QTimer>
#include <QUrl>

namespace guheng::shell {
namespace {

const QUrl webPage("https://guheng.example.org/");
const QUrl mailAddress("mailto:xiaomo@guheng.example.org");

} // namespace

void Form1::onButtonClicked(int index) {
    switch (index) {
    case 0:
        reckon();
        break;
    case 1:
        reset();
        break;
    case 2:
        saveReport();
        break;
    case 3:
        printReport();
        break;
    case 4:
        openLink(webPage, index);
        break;
    case 5:
        openLink(mailAddress, index);
        break;
    case 6:
        // Ends at once: no closing steps, no question.
        QCoreApplication::exit(0);
        break;
    }
}

void Form1::reckon() {
    if (Picture1->isHidden())
        return;
}

// Rolls the curtain down from the top and clears the entry; the curtain's last
// tick unlocks the fields and gives 开始 back.
void Form1::reset() {
    Picture1->setGeometry(Picture1->x(), Picture1->y(), 264, 1);
    Picture1->show();
    Timer3->start();
    for (TextBox* box : {Text6, Text1, Text2, Text3, Text4})
        box->clear();
    for (int i : {1, 2, 3})
        Picture3[i]->setEnabled(false);
    for (int i : {1, 2, 3})
        Picture3[i]->setPicture(Image5[i]);
}

// Nothing is reported when no program takes the address.
void Form1::openLink(const QUrl& target, int index) {
    QDesktopServices::openUrl(target);
    Picture3[index]->setPicture(Image4[index]);
}

} // namespace guheng::shell
