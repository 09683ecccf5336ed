// CommDlg: properties that store and return, Action's request to the chooser, its answers,
// the owner rule and DlgResult.
#include "dialogs/comm_dlg.h"
#include "dialogs/dlg_lib.h"
#include "qstring_print.h"
#include "scripted_save_chooser.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace guheng::dialogs;

namespace {

TEST(CommDlg, StartsEmptyWithNullTexts) {
    const CommDlg dlg;
    for (const QString& text :
         {dlg.FileName(), dlg.FileTitle(), dlg.DialogTitle(), dlg.Filter(), dlg.InitDir(), dlg.DefaultExt(),
          dlg.HelpFile(), dlg.HelpKey(), dlg.FontName()})
        EXPECT_TRUE(text.isNull());
    for (const std::int32_t number :
         {dlg.Owner(), dlg.FilterIndex(), dlg.flags(), dlg.HelpCommand(), dlg.RGBResult(), dlg.FontSize()})
        EXPECT_EQ(number, 0);
    for (const bool flag : {dlg.Italic(), dlg.Underline(), dlg.StrikeThru(), dlg.Bold()})
        EXPECT_FALSE(flag);
}

// Each setter stores its value and touches no other property.
struct RoundTrip {
    const char* name;
    void (*set)(CommDlg&);
    bool (*holds)(const CommDlg&);
};

const RoundTrip roundTrips[] = {
    {"FileName", [](CommDlg& d) { d.setFileName(u"a.txt"_s); },
     [](const CommDlg& d) { return d.FileName() == u"a.txt"; }},
    {"FileTitle", [](CommDlg& d) { d.setFileTitle(u"t"_s); },
     [](const CommDlg& d) { return d.FileTitle() == u"t"; }},
    {"Owner", [](CommDlg& d) { d.setOwner(-7); }, [](const CommDlg& d) { return d.Owner() == -7; }},
    {"DialogTitle", [](CommDlg& d) { d.setDialogTitle(u"标题"_s); },
     [](const CommDlg& d) { return d.DialogTitle() == u"标题"; }},
    {"Filter", [](CommDlg& d) { d.setFilter(u"A|*.a"_s); },
     [](const CommDlg& d) { return d.Filter() == u"A|*.a"; }},
    {"InitDir", [](CommDlg& d) { d.setInitDir(u"/x"_s); },
     [](const CommDlg& d) { return d.InitDir() == u"/x"; }},
    {"DefaultExt", [](CommDlg& d) { d.setDefaultExt(u".txt"_s); },
     [](const CommDlg& d) { return d.DefaultExt() == u".txt"; }},
    {"FilterIndex", [](CommDlg& d) { d.setFilterIndex(3); },
     [](const CommDlg& d) { return d.FilterIndex() == 3; }},
    {"flags", [](CommDlg& d) { d.setFlags(0x80006); }, [](const CommDlg& d) { return d.flags() == 0x80006; }},
    {"HelpFile", [](CommDlg& d) { d.setHelpFile(u"h.hlp"_s); },
     [](const CommDlg& d) { return d.HelpFile() == u"h.hlp"; }},
    {"HelpCommand", [](CommDlg& d) { d.setHelpCommand(11); },
     [](const CommDlg& d) { return d.HelpCommand() == 11; }},
    {"HelpKey", [](CommDlg& d) { d.setHelpKey(u"k"_s); },
     [](const CommDlg& d) { return d.HelpKey() == u"k"; }},
    {"RGBResult", [](CommDlg& d) { d.setRGBResult(0xFF00FF); },
     [](const CommDlg& d) { return d.RGBResult() == 0xFF00FF; }},
    {"Italic", [](CommDlg& d) { d.setItalic(true); }, [](const CommDlg& d) { return d.Italic(); }},
    {"Underline", [](CommDlg& d) { d.setUnderline(true); }, [](const CommDlg& d) { return d.Underline(); }},
    {"StrikeThru", [](CommDlg& d) { d.setStrikeThru(true); },
     [](const CommDlg& d) { return d.StrikeThru(); }},
    {"FontName", [](CommDlg& d) { d.setFontName(u"宋体"_s); },
     [](const CommDlg& d) { return d.FontName() == u"宋体"; }},
    {"FontSize", [](CommDlg& d) { d.setFontSize(12); }, [](const CommDlg& d) { return d.FontSize() == 12; }},
    {"Bold", [](CommDlg& d) { d.setBold(true); }, [](const CommDlg& d) { return d.Bold(); }},
};

TEST(CommDlg, EachPropertyStoresOnlyItself) {
    for (const RoundTrip& trip : roundTrips) {
        SCOPED_TRACE(trip.name);
        CommDlg dlg;
        trip.set(dlg);
        for (const RoundTrip& other : roundTrips)
            EXPECT_EQ(other.holds(dlg), &other == &trip) << other.name;
    }
}

class CommDlgAction : public testing::Test {
  protected:
    void SetUp() override { DlgResult = 0; }
    ScriptedSaveChooser chooser;
    CommDlg dlg;
};

TEST_F(CommDlgAction, HandsThePropertiesToTheDialog) {
    dlg.setDialogTitle(u"Guheng"_s);
    dlg.setInitDir(u"/srv/reports"_s);
    dlg.setFilter(u"文本文件 (*.txt)|*.txt"_s);
    dlg.setFileName(u"Guheng.txt"_s);
    dlg.setDefaultExt(u".txt"_s);
    dlg.setFlags(0x80006);
    dlg.Action(2);

    ASSERT_EQ(chooser.requests.size(), 1u);
    const SaveFileRequest& request = chooser.requests.front();
    EXPECT_EQ(request.caption, u"Guheng");
    EXPECT_EQ(request.initialFolder, u"/srv/reports");
    EXPECT_EQ(request.fileTypes, QStringList{u"文本文件 (*.txt) (*.txt)"_s});
    EXPECT_EQ(request.selectedType, 0);
    EXPECT_EQ(request.proposedName, u"Guheng.txt");
    EXPECT_EQ(request.defaultSuffix, u".txt");
    EXPECT_TRUE(request.confirmOverwrite);
}

TEST_F(CommDlgAction, OverwritePromptFollowsItsBit) {
    dlg.setFlags(0x80004);
    dlg.Action(2);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_FALSE(chooser.requests.front().confirmOverwrite);
}

TEST_F(CommDlgAction, FilterIndexSelectsFromOneAndStaysAsSet) {
    const struct {
        std::int32_t index;
        int selected;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 0}, {-1, 0}};
    dlg.setFilter(u"A|*.a|B|*.b"_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        dlg.setFilterIndex(c.index);
        chooser.setNextFileName(u"/tmp/x.a"_s);
        dlg.Action(2);
        EXPECT_EQ(chooser.requests.back().selectedType, c.selected);
        EXPECT_EQ(dlg.FilterIndex(), c.index);
    }
}

TEST_F(CommDlgAction, FontColourAndHelpPropertiesChangeNothingInTheDialog) {
    dlg.setFilter(u"A|*.a"_s);
    dlg.Action(2);
    dlg.setBold(true);
    dlg.setItalic(true);
    dlg.setUnderline(true);
    dlg.setStrikeThru(true);
    dlg.setFontName(u"宋体"_s);
    dlg.setFontSize(30);
    dlg.setRGBResult(0x123456);
    dlg.setHelpFile(u"x.hlp"_s);
    dlg.setHelpCommand(3);
    dlg.setHelpKey(u"key"_s);
    dlg.Action(2);
    ASSERT_EQ(chooser.requests.size(), 2u);
    const SaveFileRequest& before = chooser.requests[0];
    const SaveFileRequest& after = chooser.requests[1];
    EXPECT_EQ(before.owner, after.owner);
    EXPECT_EQ(before.caption, after.caption);
    EXPECT_EQ(before.initialFolder, after.initialFolder);
    EXPECT_EQ(before.proposedName, after.proposedName);
    EXPECT_EQ(before.fileTypes, after.fileTypes);
    EXPECT_EQ(before.selectedType, after.selectedType);
    EXPECT_EQ(before.defaultSuffix, after.defaultSuffix);
    EXPECT_EQ(before.confirmOverwrite, after.confirmOverwrite);
}

// What FileName, FileTitle and DlgResult hold after the dialog answered.
struct Answer {
    const char* name;
    std::optional<QString> chosen;
    std::int32_t result;
    QString fileName;
    QString fileTitle;
};

const QString longName = QString(251, u'长') + u".txt"_s; // 255 characters, 507 bytes in GBK
const QString longPath = u"/tmp/"_s + QString(300, u'深') + u"/"_s + longName;

const Answer answers[] = {
    {"confirmed with extension", u"/tmp/out/abc.txt"_s, 1, u"/tmp/out/abc.txt"_s, u"abc.txt"_s},
    {"confirmed without extension", u"/tmp/out/abc"_s, 1, u"/tmp/out/abc"_s, u"abc"_s},
    {"cancel keeps both names", std::nullopt, 0, u"Guheng.txt"_s, u"old title"_s},
    {"an empty answer is a failure, not a choice", u""_s, 0, u"Guheng.txt"_s, u"old title"_s},
    {"a path past 255 bytes is a choice like any other", longPath, 1, longPath, longName},
};

TEST_F(CommDlgAction, ReadsTheAnswerBack) {
    for (const Answer& a : answers) {
        SCOPED_TRACE(a.name);
        DlgResult = 5; // left over from an earlier dialog
        dlg.setFileName(u"Guheng.txt"_s);
        dlg.setFileTitle(u"old title"_s);
        chooser.setNextFileName(a.chosen);
        dlg.Action(2);
        EXPECT_EQ(DlgResult, a.result);
        EXPECT_EQ(dlg.FileName(), a.fileName);
        EXPECT_EQ(dlg.FileTitle(), a.fileTitle);
    }
}

TEST_F(CommDlgAction, ProposesA255CharacterNameWhole) {
    dlg.setFileName(longName);
    dlg.Action(2);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests.front().proposedName, longName);
}

TEST_F(CommDlgAction, EveryCodeShowsTheSaveDialog) {
    for (const int code : {0, 1, 2, 3, 4, 5, 6, -1, 1000}) {
        SCOPED_TRACE(code);
        const std::size_t shown = chooser.requests.size();
        chooser.setNextFileName(u"/tmp/a.txt"_s);
        dlg.Action(code);
        EXPECT_EQ(chooser.requests.size(), shown + 1);
        EXPECT_EQ(DlgResult, 1);
    }
}

TEST_F(CommDlgAction, OwnerIsTheWindowActiveAtTheFirstCallAndStaysIt) {
    QWidget first;
    QWidget second;
    first.show();
    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));

    dlg.Action(2);
    const std::int32_t firstHandle = static_cast<std::int32_t>(first.winId());
    EXPECT_EQ(dlg.Owner(), firstHandle);
    EXPECT_EQ(chooser.requests.back().owner, &first);

    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    dlg.Action(2);
    EXPECT_EQ(dlg.Owner(), firstHandle);
    EXPECT_EQ(chooser.requests.back().owner, &first);
}

TEST_F(CommDlgAction, NoActiveWindowLeavesOwnerZeroForTheNextCall) {
    dlg.Action(2);
    EXPECT_EQ(dlg.Owner(), 0);
    EXPECT_EQ(chooser.requests.back().owner, nullptr);
}

TEST_F(CommDlgAction, AGivenOwnerIsKept) {
    QWidget window;
    window.show();
    const std::int32_t handle = static_cast<std::int32_t>(window.winId());
    dlg.setOwner(handle);
    dlg.Action(2);
    EXPECT_EQ(dlg.Owner(), handle);
    EXPECT_EQ(chooser.requests.back().owner, &window);
}

// The real chooser's dialog, set up but never run.
TEST(SaveDialogSetup, HonoursTheRequest) {
    SaveFileRequest request;
    request.caption = u"Guheng"_s;
    request.initialFolder = QDir::tempPath();
    request.proposedName = u"Guheng.txt"_s;
    request.fileTypes = {u"文本文件 (*.txt) (*.txt)"_s, u"B (*.b)"_s};
    request.selectedType = 1;
    request.defaultSuffix = u".txt"_s;

    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm);
        request.confirmOverwrite = confirm;
        QFileDialog dialog;
        configureSaveDialog(dialog, request);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.windowTitle(), u"Guheng");
        EXPECT_EQ(dialog.directory().absolutePath(), QDir(QDir::tempPath()).absolutePath());
        EXPECT_EQ(dialog.nameFilters(), request.fileTypes);
        // The dialog shows and reports descriptions without their patterns.
        EXPECT_EQ(dialog.selectedNameFilter(), u"B");
        EXPECT_EQ(dialog.defaultSuffix(), u"txt");
        EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !confirm);
        ASSERT_EQ(dialog.selectedFiles().size(), 1);
        EXPECT_EQ(QFileInfo(dialog.selectedFiles().front()).fileName(), u"Guheng.txt");
    }
}

// What the real dialog hands back for a typed name that does not exist yet: the default extension is
// added only to a name without one, so abc.TXT and abc.doc reach the ".txt" rule unchanged.
TEST(SaveDialogSetup, TypedNamesComeBackWithTheDefaultExtensionWhereTheyHaveNone) {
    QTemporaryDir dir;
    const struct {
        const char* typed;
        const char* returned;
    } cases[] = {{"abc", "abc.txt"}, {"abc.txt", "abc.txt"}, {"abc.TXT", "abc.TXT"}, {"abc.doc", "abc.doc"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SaveFileRequest request;
        request.initialFolder = dir.path();
        request.proposedName = u"Guheng.txt"_s;
        request.fileTypes = {u"文本文件 (*.txt) (*.txt)"_s};
        request.defaultSuffix = u".txt"_s;
        request.confirmOverwrite = true;
        QFileDialog dialog;
        configureSaveDialog(dialog, request);
        dialog.open(); // not modal: the test types and accepts by itself
        auto* name = dialog.findChild<QLineEdit*>(u"fileNameEdit"_s);
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromUtf8(c.typed));
        QMetaObject::invokeMethod(&dialog, "accept"); // the Save button's own slot
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(dialog.selectedFiles().size(), 1);
        EXPECT_EQ(dialog.selectedFiles().front(), QDir(dir.path()).filePath(QString::fromUtf8(c.returned)));
    }
}

} // namespace
