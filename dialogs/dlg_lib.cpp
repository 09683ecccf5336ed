#include "dialogs/dlg_lib.h"

#include <QApplication>
#include <QWidget>

namespace guheng::dialogs {

std::int32_t DlgResult = 0;

std::int32_t activeWindowHandle() {
    QWidget* window = QApplication::activeWindow();
    // Window system handles fit in 32 bits; the handle is kept in a 32-bit field.
    return window ? static_cast<std::int32_t>(window->winId()) : 0;
}

QWidget* windowFromHandle(std::int32_t handle) {
    return handle ? QWidget::find(static_cast<WId>(static_cast<std::uint32_t>(handle))) : nullptr;
}

} // namespace guheng::dialogs
