// The modal save-file chooser behind CommDlg::Action. Production shows Qt's own Save As dialog;
// a test installs a chooser of its own and answers without any window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QFileDialog;
class QWidget;

namespace guheng::dialogs {

struct SaveFileRequest {
    QWidget* owner = nullptr;
    QString caption;
    QString initialFolder;
    QString proposedName;
    QStringList fileTypes; // QFileDialog name filters
    int selectedType = 0;  // index into fileTypes
    QString defaultSuffix;
    bool confirmOverwrite = false;
};

class SaveFileChooser {
  public:
    virtual ~SaveFileChooser() = default;
    // The full path the user confirmed, or nothing after a cancel or a failure.
    virtual std::optional<QString> chooseSaveFile(const SaveFileRequest& request) = 0;
};

// The chooser in use: the real dialog unless a test installed another.
SaveFileChooser& saveFileChooser();
// Installs a chooser the caller keeps alive; nullptr brings the real dialog back.
void setSaveFileChooser(SaveFileChooser* chooser);

// Sets up a Save As dialog for a request; the real chooser then runs it.
void configureSaveDialog(QFileDialog& dialog, const SaveFileRequest& request);

} // namespace guheng::dialogs
