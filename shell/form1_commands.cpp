// What the picture buttons do when clicked.
#include "shell/form1.h"
#include "shell/message_box.h"
#include "shell/picture_box.h"
#include "shell/text_box.h"
#include "shell/window_layout.h"

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

// Runs only while the curtain is down; a rejected entry leaves everything as it was.
void Form1::reckon() {
    if (Picture1->isHidden())
        return;
    const auto outcome = reckoning_.chenggu(Text6->text().toStdU16String(), Text1->text().toStdU16String(),
                                            Text2->text().toStdU16String(), Text3->text().toStdU16String(),
                                            Text4->text().toStdU16String(), *calendar_);
    if (const auto* rejection = std::get_if<reckoning::ChengguRejection>(&outcome)) {
        MessageBox::inform(this, QString::fromStdU16String(rejection->message));
        fieldOf(rejection->field)->setFocus();
        Picture3[0]->setPicture(Image4[0]);
        return;
    }
    const auto& result = std::get<reckoning::ChengguResult>(outcome);
    setInputsLocked(true);
    Timer1->start();
    const std::array<std::pair<QLabel*, const std::u16string*>, 9> captions{
        {{Label16, &result.animal},
         {Label17, &result.eightCharacters},
         {Label18, &result.pillars},
         {Label2, &result.lunarDate},
         {Label19, &result.weight},
         {Label20, &result.firstCouplet},
         {Label1, &result.secondCouplet},
         {Label14, &result.suiyang},
         {Label5, &result.suiyin}}};
    for (const auto& [label, text] : captions)
        label->setText(QString::fromStdU16String(*text));
    // Label2 grows with its text.
    Label2->resize(Label2->sizeHint().width(), Label2->height());
}

TextBox* Form1::fieldOf(reckoning::InputField field) const {
    switch (field) {
    case reckoning::InputField::Text1:
        return Text1;
    case reckoning::InputField::Text2:
        return Text2;
    case reckoning::InputField::Text3:
        return Text3;
    case reckoning::InputField::Text4:
        return Text4;
    case reckoning::InputField::Text6:
        break;
    }
    return Text6;
}

// Rolls the curtain down from the top and clears the entry; the curtain's last
// tick unlocks the fields and gives 开始 back.
void Form1::reset() {
    Picture1->resize(curtainPlace.width, 1);
    Picture1->show();
    Timer3->start();
    for (TextBox* box : {Text6, Text1, Text2, Text3, Text4})
        box->clear();
    for (int i : {1, 2, 3})
        setButtonEnabled(i, false);
}

// Nothing is reported when no program takes the address.
void Form1::openLink(const QUrl& target, int index) {
    QDesktopServices::openUrl(target);
    Picture3[index]->setPicture(Image4[index]);
}

} // namespace guheng::shell
