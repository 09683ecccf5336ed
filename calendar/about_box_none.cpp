// Built without the GUI: the control has no About box.
#include "calendar/about_box.h"

namespace guheng::calendar {

automation::HRESULT showAboutBox() {
    return automation::E_NOTIMPL;
}

} // namespace guheng::calendar
