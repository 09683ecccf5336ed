#include "dialogs/save_file_chooser.h"

#include <QFileDialog>

namespace guheng::dialogs {

namespace {

class QtSaveFileChooser final : public SaveFileChooser {
  public:
    std::optional<QString> chooseSaveFile(const SaveFileRequest& request) override {
        QFileDialog dialog(request.owner);
        configureSaveDialog(dialog, request);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty() || chosen.front().isEmpty())
            return std::nullopt;
        return chosen.front();
    }
};

QtSaveFileChooser realChooser;
SaveFileChooser* installedChooser = nullptr;

} // namespace

SaveFileChooser& saveFileChooser() {
    return installedChooser ? *installedChooser : realChooser;
}

void setSaveFileChooser(SaveFileChooser* chooser) {
    installedChooser = chooser;
}

void configureSaveDialog(QFileDialog& dialog, const SaveFileRequest& request) {
    // Qt's own dialog looks and behaves the same on every platform and can be driven in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(request.caption);
    dialog.setDirectory(request.initialFolder);
    // The descriptions already name their patterns; show them as the caller wrote them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(request.fileTypes);
    if (request.selectedType >= 0 && request.selectedType < request.fileTypes.size())
        dialog.selectNameFilter(request.fileTypes[request.selectedType]);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.selectFile(request.proposedName);
}

} // namespace guheng::dialogs
