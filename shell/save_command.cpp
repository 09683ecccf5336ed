// 输出: writes the displayed result to a file of the user's choice.
#include "shell/save_command.h"

#include "dialogs/dlg_lib.h"
#include "report/report_date_time.h"
#include "report/report_file.h"
#include "shell/form1.h"
#include "shell/message_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace guheng::shell {

namespace {

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

QString reportFolder(const QString& programFolder, const QString& documentsFolder,
                     const QString& homeFolder) {
    if (isWritableFolder(programFolder))
        return programFolder;
    if (isWritableFolder(documentsFolder))
        return documentsFolder;
    return homeFolder;
}

QString reportFolder() {
    return reportFolder(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                        QDir::homePath());
}

void runSaveCommand(dialogs::CommDlg& SaveDlg, const report::ReportTexts& texts, QWidget* window) {
    SaveDlg.setDialogTitle(QStringLiteral("Guheng"));
    SaveDlg.setInitDir(reportFolder());
    SaveDlg.setFilter(QStringLiteral("文本文件 (*.txt)|*.txt"));
    SaveDlg.setFileName(QStringLiteral("Guheng.txt"));
    SaveDlg.setDefaultExt(QStringLiteral(".txt"));
    SaveDlg.setFlags(dialogs::OFN_EXPLORER | dialogs::OFN_HIDEREADONLY | dialogs::OFN_OVERWRITEPROMPT);
    SaveDlg.Action(2);
    if (dialogs::DlgResult <= 0)
        return;

    const QString confirmed = SaveDlg.FileName();
    SaveDlg.setFileName(
        QFile::decodeName(report::withReportExtension(QFile::encodeName(confirmed).toStdString()).c_str()));
    const QString path = SaveDlg.FileName();
    // The dialog asked before replacing the name it returned, not the one ".txt" made of it.
    if (path != confirmed && QFileInfo::exists(path) &&
        MessageBox::ask(window,
                        QStringLiteral("%1 已存在。\n要替换它吗？").arg(QDir::toNativeSeparators(path))) !=
            QMessageBox::Yes)
        return;

    const auto lines =
        report::savedReportLines(texts, report::reportDateTime(report::currentLocalDateTime()));
    if (const auto error = report::writeReportFile(QFile::encodeName(path).toStdString(), lines)) {
        MessageBox::inform(window,
                           QStringLiteral("无法保存报告文件 %1：\n%2")
                               .arg(QDir::toNativeSeparators(path), QString::fromStdString(error->reason)));
    }
}

void Form1::saveReport() {
    // After the window's Unload there is no dialog object left to ask.
    if (SaveDlg)
        runSaveCommand(*SaveDlg, reportTexts(), this);
    Picture3[2]->setPicture(Image4[2]);
}

// Form1's Unload: closing the window through the system releases the dialog object.
void Form1::closeEvent(QCloseEvent* event) {
    SaveDlg.reset();
    QWidget::closeEvent(event);
}

} // namespace guheng::shell
