// The four entry points of the calendar library, the only symbols it exports. Each hands the
// library's registration data to the in-process server support and returns its answer.
#include "automation/class_factory_impl.h"
#include "automation/registration.h"
#include "automation/server_module.h"
#include "calendar/calendar_control.h"
#include "calendar/calendar_interface.h"
#include "calendar/calendar_typelib.h"

using namespace guheng::automation;

#define CALENDAR_EXPORT extern "C" __attribute__((visibility("default")))

CALENDAR_EXPORT HRESULT DllRegisterServer() {
    return registerServer(guheng::calendar::XingtaiTypeLib,
                          reinterpret_cast<const void*>(&DllRegisterServer));
}

CALENDAR_EXPORT HRESULT DllUnregisterServer() {
    return unregisterServer(guheng::calendar::XingtaiTypeLib);
}

CALENDAR_EXPORT HRESULT DllGetClassObject(const Guid* clsid, const Guid* iid, void** object) {
    return server::getClassObject<guheng::calendar::Calendar>(guheng::calendar::CLSID_Calendar, clsid, iid,
                                                              object);
}

CALENDAR_EXPORT HRESULT DllCanUnloadNow() {
    return server::canUnloadNow();
}
