// The report's pieces as Form1 shows them: the five input texts and the result captions.
#include "shell/form1.h"
#include "shell/text_box.h"

#include <QLabel>

namespace guheng::shell {

report::ReportTexts Form1::reportTexts() const {
    report::ReportTexts texts;
    texts.Text6 = Text6->text().toStdU16String();
    texts.Text1 = Text1->text().toStdU16String();
    texts.Text2 = Text2->text().toStdU16String();
    texts.Text3 = Text3->text().toStdU16String();
    texts.Text4 = Text4->text().toStdU16String();
    texts.Label16 = Label16->text().toStdU16String();
    texts.Label18 = Label18->text().toStdU16String();
    texts.Label2 = Label2->text().toStdU16String();
    texts.Label19 = Label19->text().toStdU16String();
    texts.Label20 = Label20->text().toStdU16String();
    texts.Label1 = Label1->text().toStdU16String();
    texts.Label14 = Label14->text().toStdU16String();
    texts.Label5 = Label5->text().toStdU16String();
    return texts;
}

} // namespace guheng::shell
