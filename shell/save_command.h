// The Save command apart from its window: SaveDlg asks for a file and the twelve report lines are written
// to it. Nothing half-written ever stays; a failure, or a name the ".txt" rule turned into an existing
// file, is put to the user in a message box.
#pragma once

#include "dialogs/comm_dlg.h"
#include "report/report_lines.h"

#include <QString>

class QWidget;

namespace guheng::shell {

// The folder the Save As dialog opens in: the program's folder where the user may write there, else the
// documents folder, else home.
QString reportFolder(const QString& programFolder, const QString& documentsFolder, const QString& homeFolder);
QString reportFolder();

void runSaveCommand(dialogs::CommDlg& SaveDlg, const report::ReportTexts& texts, QWidget* window);

} // namespace guheng::shell
