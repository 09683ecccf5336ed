// DlgResult, the outcome of the last Save As dialog, shared by the whole program:
// positive when the user confirmed a file, 0 after a cancel or a failed dialog.
#pragma once

#include <cstdint>

class QWidget;

namespace guheng::dialogs {

// Option bits of CommDlg's flags that the Save As dialog honours.
constexpr std::int32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr std::int32_t OFN_HIDEREADONLY = 0x4;
constexpr std::int32_t OFN_EXPLORER = 0x80000;

// Written only by CommDlg::Action.
extern std::int32_t DlgResult;

// The handle of the active window, 0 when no window of the program is active.
std::int32_t activeWindowHandle();

// The window a handle from activeWindowHandle() names, or nullptr once it is gone.
QWidget* windowFromHandle(std::int32_t handle);

} // namespace guheng::dialogs
