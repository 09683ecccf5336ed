// 打印 on the real Form1 after a real reckoning, through a printer that records instead of printing:
// one document per click with the eleven lines the window shows, and one message when printing fails.
#include "form_driver.h"
#include "qstring_print.h"
#include "report/report_printer.h"
#include "shell/message_box.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace shelltest;
using namespace Qt::StringLiterals;
using guheng::shell::MessageBox;

namespace {

class RecordingPrinter final : public guheng::report::ReportPrinter {
  public:
    RecordingPrinter() { guheng::report::setReportPrinter(this); }
    ~RecordingPrinter() override { guheng::report::setReportPrinter(nullptr); }
    RecordingPrinter(const RecordingPrinter&) = delete;
    RecordingPrinter& operator=(const RecordingPrinter&) = delete;

    std::optional<QString> printLines(const QStringList& lines) override {
        documents.append(lines);
        return failure;
    }
    QList<QStringList> documents;
    std::optional<QString> failure;
};

class Form1Print : public testing::Test {
  protected:
    void SetUp() override {
        const auto failure = form.load();
        ASSERT_FALSE(failure) << failure->toStdString();
        reckonAndOpen(form);
        ASSERT_TRUE(button(form, 3)->isEnabled());
    }

    Form1 form;
    RecordingPrinter printer;
};

TEST_F(Form1Print, EachClickPrintsOneDocumentOfTheShownLines) {
    click(*button(form, 3));
    click(*button(form, 3));
    ASSERT_EQ(printer.documents.size(), 2);
    for (const QStringList& lines : printer.documents) {
        ASSERT_EQ(lines.size(), 11);
        EXPECT_EQ(lines[0], u"Guheng");
        EXPECT_EQ(lines[1], u"");
        EXPECT_EQ(lines[2], u"姓名：李明");
        EXPECT_EQ(lines[3], u"属相："_s + caption(form, "Label16"));
        EXPECT_EQ(lines[4], u"公历出生日期：2000年1月1日 0点");
        EXPECT_EQ(lines[6], u"称骨重量："_s + caption(form, "Label19"));
        EXPECT_EQ(lines[7], u"称骨命运："_s + caption(form, "Label20") + caption(form, "Label1"));
        EXPECT_EQ(lines[9], u"");
        EXPECT_TRUE(QRegularExpression(u"^\\d{4}/\\d{1,2}/\\d{1,2}( \\d{1,2}:\\d{2}:\\d{2})?$"_s)
                        .match(lines[10])
                        .hasMatch())
            << lines[10].toStdString();
    }
    EXPECT_TRUE(MessageBox::lastPrompt().isEmpty());
    EXPECT_EQ(lookOf(*button(form, 3)), u"normal");
}

TEST_F(Form1Print, AFailingPrinterIsReportedOnceWithItsReason) {
    printer.failure = u"没有默认打印机。"_s;
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(*button(form, 3));
    EXPECT_EQ(printer.documents.size(), 1);
    EXPECT_TRUE(MessageBox::lastPrompt().contains(u"没有默认打印机。"))
        << MessageBox::lastPrompt().toStdString();
    EXPECT_EQ(lookOf(*button(form, 3)), u"normal");
}

} // namespace
