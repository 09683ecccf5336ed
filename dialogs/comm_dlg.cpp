#include "dialogs/comm_dlg.h"

#include "dialogs/dlg_lib.h"
#include "dialogs/save_file_chooser.h"
#include "dialogs/save_file_filter.h"

#include <QFileInfo>

namespace guheng::dialogs {

void CommDlg::Action(int /*mAction*/) {
    // Nothing that happens below may leave an earlier confirmation standing.
    DlgResult = 0;

    if (m_Owner == 0)
        m_Owner = activeWindowHandle();

    SaveFileRequest request;
    request.owner = windowFromHandle(m_Owner);
    request.caption = m_DialogTitle;
    request.initialFolder = m_InitDir;
    request.proposedName = m_FileName;
    request.fileTypes = fileTypesFromFilter(convertFilter(m_Filter));
    // The platform counts file types from 1; 0 and numbers past the end select the first.
    request.selectedType =
        m_FilterIndex >= 1 && m_FilterIndex <= request.fileTypes.size() ? m_FilterIndex - 1 : 0;
    request.defaultSuffix = m_DefaultExt;
    // Qt's save dialog has no read-only box, and its Explorer-style look is its only look.
    request.confirmOverwrite = (m_flags & OFN_OVERWRITEPROMPT) != 0;

    const std::optional<QString> chosen = saveFileChooser().chooseSaveFile(request);
    if (!chosen || chosen->isEmpty())
        return;

    DlgResult = 1;
    m_FileTitle = QFileInfo(*chosen).fileName();
    m_FileName = *chosen;
}

} // namespace guheng::dialogs
