// The Save command end to end on the offscreen platform: SaveDlg answered through the chooser seam,
// message boxes through theirs, the report file's bytes read back.
#include "dialogs/dlg_lib.h"
#include "qstring_print.h"
#include "report/report_file.h"
#include "sample_report_texts.h"
#include "scripted_save_chooser.h"
#include "shell/message_box.h"
#include "shell/save_command.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using guheng::dialogs::CommDlg;
using guheng::dialogs::DlgResult;
using guheng::shell::MessageBox;
using guheng::shell::runSaveCommand;
using reporttest::dragonYearTexts;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeOld(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old content");
}

// The report as it must be on disk: twelve GBK lines, each ended by CR LF, the last one the time of the save.
void expectReport(const QByteArray& bytes, const guheng::report::ReportTexts& texts, const QDateTime& before,
                  const QDateTime& after) {
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    // Every line break is CR LF; GBK's second bytes never take the values of CR or LF.
    EXPECT_EQ(bytes.count('\n'), 12);
    EXPECT_EQ(bytes.count('\r'), 12);
    EXPECT_EQ(bytes.count("\r\n"), 12);
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines)
        line.chop(1);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));

    // Line 3 spelled out in GBK: 姓名： then 李小龙.
    if (texts.Text6 == u"李小龙") {
        EXPECT_EQ(lines[2], QByteArray("\xD0\xD5\xC3\xFB\xA3\xBA\xC0\xEE\xD0\xA1\xC1\xFA"));
    }

    std::vector<std::u16string> expected = guheng::report::savedReportLines(texts, u"");
    expected.pop_back();
    EXPECT_EQ(bytes.left(bytes.size() - lines.back().size() - 2),
              QByteArray::fromStdString(guheng::report::reportFileBytes(expected)));

    const QString stamp = QString::fromLatin1(lines.back());
    const QDateTime saved = QDateTime::fromString(stamp, u"yyyy/M/d H:mm:ss"_s);
    ASSERT_TRUE(saved.isValid()) << stamp.toStdString();
    EXPECT_GE(saved, before.addMSecs(-before.time().msec()));
    EXPECT_LE(saved, after);
}

class SaveCommand : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        DlgResult = 0;
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // One Save command whose dialog returns `chosen` (nothing: cancel) and whose question gets `answer`.
    void save(std::optional<QString> chosen, QMessageBox::StandardButton answer = QMessageBox::Yes,
              const guheng::report::ReportTexts& texts = dragonYearTexts()) {
        chooser.setNextFileName(std::move(chosen));
        MessageBox::setNextAnswer(answer);
        before = QDateTime::currentDateTime();
        runSaveCommand(SaveDlg, texts, &window);
        after = QDateTime::currentDateTime();
    }

    QTemporaryDir dir;
    ScriptedSaveChooser chooser;
    CommDlg SaveDlg;
    QWidget window;
    QDateTime before, after;
};

TEST_F(SaveCommand, ProposesGuhengTxtInTheProgramsFolderEveryTime) {
    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        save(path(u"abc.txt"_s));
        ASSERT_EQ(chooser.requests.size(), std::size_t(time + 1));
        const auto& request = chooser.requests.back();
        EXPECT_EQ(request.caption, u"Guheng");
        EXPECT_EQ(request.initialFolder, QCoreApplication::applicationDirPath());
        EXPECT_EQ(request.proposedName, u"Guheng.txt");
        EXPECT_EQ(request.fileTypes, QStringList{u"文本文件 (*.txt) (*.txt)"_s});
        EXPECT_EQ(request.defaultSuffix, u".txt");
        EXPECT_TRUE(request.confirmOverwrite);
        EXPECT_EQ(SaveDlg.flags(), 0x80006);
    }
}

// The dialog's answer, what was on disk before, and what the command must leave.
struct NameCase {
    const char* name;
    const char* chosen;   // what the dialog returns
    const char* existing; // a file there before, or nullptr
    QMessageBox::StandardButton answer;
    const char* written; // the report file, or nullptr when nothing is written
    bool asked;
};

const NameCase nameCases[] = {
    {"the proposed name", "Guheng.txt", nullptr, QMessageBox::Yes, "Guheng.txt", false},
    {"abc, the dialog added .txt", "abc.txt", nullptr, QMessageBox::Yes, "abc.txt", false},
    {"abc.txt the dialog confirmed replacing", "abc.txt", "abc.txt", QMessageBox::Yes, "abc.txt", false},
    {"bare abc", "abc", nullptr, QMessageBox::Yes, "abc.txt", false},
    {"bare abc over abc.txt, replace", "abc", "abc.txt", QMessageBox::Yes, "abc.txt", true},
    {"bare abc over abc.txt, keep", "abc", "abc.txt", QMessageBox::No, nullptr, true},
    {"abc.TXT is not .txt", "abc.TXT", nullptr, QMessageBox::Yes, "abc.TXT.txt", false},
    {"abc.TXT over abc.TXT.txt, replace", "abc.TXT", "abc.TXT.txt", QMessageBox::Yes, "abc.TXT.txt", true},
    {"abc.TXT over abc.TXT.txt, keep", "abc.TXT", "abc.TXT.txt", QMessageBox::No, nullptr, true},
    {"abc.doc", "abc.doc", nullptr, QMessageBox::Yes, "abc.doc.txt", false},
    {"abc.doc over abc.doc.txt, replace", "abc.doc", "abc.doc.txt", QMessageBox::Yes, "abc.doc.txt", true},
    {"abc.doc over abc.doc.txt, keep", "abc.doc", "abc.doc.txt", QMessageBox::No, nullptr, true},
};

TEST_F(SaveCommand, TheTxtRuleAndTheQuestionBeforeReplacing) {
    for (const NameCase& c : nameCases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString chosen = folder.filePath(QString::fromUtf8(c.chosen));
        if (c.existing)
            writeOld(folder.filePath(QString::fromUtf8(c.existing)));

        save(chosen, c.answer);

        const QString prompt = MessageBox::lastPrompt();
        EXPECT_EQ(!prompt.isEmpty(), c.asked) << prompt.toStdString();
        if (c.asked) {
            EXPECT_TRUE(prompt.contains(folder.filePath(QString::fromUtf8(c.existing))));
        }
        QStringList expectedFiles;
        if (c.existing)
            expectedFiles << QString::fromUtf8(c.existing);
        if (c.written) {
            expectedFiles << QString::fromUtf8(c.written);
            expectReport(contentOf(folder.filePath(QString::fromUtf8(c.written))), dragonYearTexts(), before,
                         after);
            EXPECT_EQ(SaveDlg.FileName(), folder.filePath(QString::fromUtf8(c.written)));
        } else {
            EXPECT_EQ(contentOf(folder.filePath(QString::fromUtf8(c.existing))), "old content");
        }
        expectedFiles.removeDuplicates();
        expectedFiles.sort();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), expectedFiles);
    }
}

TEST_F(SaveCommand, SavingTwiceReplacesTheWholeFile) {
    save(path(u"abc.txt"_s), QMessageBox::Yes, dragonYearTexts(u"李小龙"));
    save(path(u"abc.txt"_s), QMessageBox::Yes, dragonYearTexts(u"王"));
    expectReport(contentOf(path(u"abc.txt"_s)), dragonYearTexts(u"王"), before, after);
    EXPECT_EQ(files(), QStringList{u"abc.txt"_s});
}

TEST_F(SaveCommand, ACancelAfterAnEarlierSaveWritesNothing) {
    save(path(u"abc.txt"_s));
    ASSERT_EQ(DlgResult, 1);
    ASSERT_TRUE(QFile::remove(path(u"abc.txt"_s)));

    save(std::nullopt);
    EXPECT_EQ(DlgResult, 0);
    EXPECT_EQ(SaveDlg.FileName(), u"Guheng.txt");
    EXPECT_TRUE(files().isEmpty()) << files().join(u' ').toStdString();
    EXPECT_TRUE(MessageBox::lastPrompt().isEmpty());
}

TEST_F(SaveCommand, AFailedDialogAfterAnEarlierSaveWritesNothing) {
    save(path(u"abc.txt"_s));
    ASSERT_TRUE(QFile::remove(path(u"abc.txt"_s)));
    save(u""_s); // a dialog that failed without a name
    EXPECT_EQ(DlgResult, 0);
    EXPECT_TRUE(files().isEmpty()) << files().join(u' ').toStdString();
}

// Running as root, permission bits stop nothing; these targets fail for anyone.
struct Unwritable {
    const char* name;
    void (*prepare)(const QTemporaryDir&);
    const char* chosen;
};

const Unwritable unwritables[] = {
    {"a folder that is a file", [](const QTemporaryDir& d) { writeOld(d.filePath(u"folder"_s)); },
     "folder/abc.txt"},
    {"a target that is a folder", [](const QTemporaryDir& d) { QDir(d.path()).mkdir(u"abc.txt"_s); },
     "abc.txt"},
    {"a folder that does not exist", [](const QTemporaryDir&) {}, "gone/abc.txt"},
};

TEST_F(SaveCommand, AFileThatCannotBeWrittenIsReportedOnceAndNothingChanges) {
    for (const Unwritable& u : unwritables) {
        SCOPED_TRACE(u.name);
        QTemporaryDir folder;
        u.prepare(folder);
        const QStringList beforeFiles =
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString chosen = folder.filePath(QString::fromUtf8(u.chosen));
        const QByteArray oldContent = contentOf(folder.filePath(u"folder"_s));

        save(chosen, QMessageBox::Ok);

        const QString prompt = MessageBox::lastPrompt();
        EXPECT_TRUE(prompt.contains(chosen)) << prompt.toStdString();
        EXPECT_TRUE(prompt.contains(u':')) << "no reason given: " << prompt.toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), beforeFiles);
        EXPECT_EQ(contentOf(folder.filePath(u"folder"_s)), oldContent);
    }
}

TEST_F(SaveCommand, AReadOnlyFileKeepsItsContent) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; the other unwritable targets cover this path";
    writeOld(path(u"abc.txt"_s));
    QFile::setPermissions(path(u"abc.txt"_s), QFile::ReadOwner);
    save(path(u"abc.txt"_s), QMessageBox::Ok);
    EXPECT_TRUE(MessageBox::lastPrompt().contains(path(u"abc.txt"_s)));
    EXPECT_EQ(contentOf(path(u"abc.txt"_s)), "old content");
    EXPECT_EQ(files(), QStringList{u"abc.txt"_s});
}

// Where the report folder starts: the program's folder, else documents, else home.
TEST(ReportFolder, TheFirstWritableFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath(u"program"_s);
    const QString documents = dir.filePath(u"documents"_s);
    const QString home = dir.filePath(u"home"_s);
    const QString aFile = dir.filePath(u"file"_s);
    writeOld(aFile);
    QDir(dir.path()).mkdir(u"program"_s);
    QDir(dir.path()).mkdir(u"documents"_s);
    const QString missing = dir.filePath(u"missing"_s);

    const struct {
        const char* name;
        QString program, documents, expected;
    } cases[] = {
        {"the program's folder", program, documents, program},
        {"no program folder", missing, documents, documents},
        {"the program's folder is a file", aFile, documents, documents},
        {"no documents folder either", missing, missing, home},
        {"no documents folder named", missing, QString(), home},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(guheng::shell::reportFolder(c.program, c.documents, home), c.expected);
    }
}

} // namespace
