// The About box of the Calendar control, shown modally without an owner; returns once it is closed.
// Without a running QApplication on the calling thread it shows nothing and returns an error code
// (E_UNEXPECTED, RPC_E_WRONG_THREAD); built without the GUI it returns E_NOTIMPL.
#pragma once

#include "automation/status.h"

namespace guheng::calendar {

automation::HRESULT showAboutBox();

} // namespace guheng::calendar
