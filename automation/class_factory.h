// In-process servers: the class factory and the four entry points a server library exports
// with C linkage, by these names.
#pragma once

#include "automation/unknown.h"

namespace guheng::automation {

class IClassFactory : public IUnknown {
  public:
    static constexpr Guid iid{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // outer must be null (no aggregation: CLASS_E_NOAGGREGATION).
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) = 0;
    // A lock keeps the server loaded (DllCanUnloadNow says S_FALSE) without any object alive.
    virtual HRESULT LockServer(bool lock) = 0;

  protected:
    ~IClassFactory() = default;
};

extern "C" {
// CLASS_E_CLASSNOTAVAILABLE for a class the library does not serve.
using DllGetClassObjectFunction = HRESULT (*)(const Guid* clsid, const Guid* iid, void** object);
// S_OK when no object and no server lock remains, else S_FALSE.
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();
}

inline constexpr const char* DllGetClassObjectName = "DllGetClassObject";
inline constexpr const char* DllCanUnloadNowName = "DllCanUnloadNow";
inline constexpr const char* DllRegisterServerName = "DllRegisterServer";
inline constexpr const char* DllUnregisterServerName = "DllUnregisterServer";

} // namespace guheng::automation
