// 输出 on the real Form1 after a real reckoning: the file holds what the window shows, the button gets
// its normal picture back, and once the window has closed SaveDlg is gone.
#include "form_driver.h"
#include "qstring_print.h"
#include "report/report_file.h"
#include "scripted_save_chooser.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace shelltest;
using namespace Qt::StringLiterals;

namespace {

class Form1Save : public testing::Test {
  protected:
    void SetUp() override {
        const auto failure = form.load();
        ASSERT_FALSE(failure) << failure->toStdString();
        reckonAndOpen(form);
        ASSERT_TRUE(button(form, 2)->isEnabled());
    }

    Form1 form;
    ScriptedSaveChooser chooser;
    QTemporaryDir dir;
};

TEST_F(Form1Save, WritesTheShownResultAndRestoresTheButton) {
    chooser.setNextFileName(dir.filePath(u"abc"_s));
    click(*button(form, 2));

    QFile file(dir.filePath(u"abc.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    guheng::report::ReportTexts texts;
    texts.Text6 = u"李明";
    texts.Text1 = u"2000";
    texts.Text2 = u"1";
    texts.Text3 = u"1";
    texts.Text4 = u"0";
    for (const auto& [label, piece] : {std::pair{"Label16", &texts.Label16},
                                       {"Label18", &texts.Label18},
                                       {"Label2", &texts.Label2},
                                       {"Label19", &texts.Label19},
                                       {"Label20", &texts.Label20},
                                       {"Label1", &texts.Label1},
                                       {"Label14", &texts.Label14},
                                       {"Label5", &texts.Label5}})
        *piece = caption(form, label).toStdU16String();
    ASSERT_FALSE(texts.Label19.empty());
    std::vector<std::u16string> lines = guheng::report::savedReportLines(texts, u"");
    lines.pop_back();
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromStdString(guheng::report::reportFileBytes(lines))));
    EXPECT_EQ(bytes.count("\r\n"), 12);
    EXPECT_EQ(lookOf(*button(form, 2)), u"normal");
}

TEST_F(Form1Save, ACancelWritesNothingAndRestoresTheButton) {
    chooser.setNextFileName(std::nullopt);
    click(*button(form, 2));
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(lookOf(*button(form, 2)), u"normal");
}

TEST_F(Form1Save, ClosingTheWindowReleasesTheDialog) {
    form.close();
    chooser.setNextFileName(dir.filePath(u"abc.txt"_s));
    click(*button(form, 2));
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
