// A server library loaded into the container's process. Opening the same file twice shares one
// handle; when the last holder lets go, the library is unloaded if DllCanUnloadNow agrees.
#pragma once

#include "automation/class_factory.h"

#include <filesystem>
#include <memory>

namespace guheng::automation {

class ServerLibrary {
  public:
    // CO_E_DLLNOTFOUND (no such file, or it does not load), CO_E_ERRORINDLL (not a server).
    static HRESULT open(const std::filesystem::path& file, std::shared_ptr<ServerLibrary>* library);

    ServerLibrary(const ServerLibrary&) = delete;
    ServerLibrary& operator=(const ServerLibrary&) = delete;
    ~ServerLibrary();

    HRESULT getClassObject(const Guid& clsid, const Guid& iid, void** object) const;

  private:
    ServerLibrary() = default;

    void* handle_ = nullptr;
    DllGetClassObjectFunction getClassObject_ = nullptr;
    DllCanUnloadNowFunction canUnloadNow_ = nullptr;
};

} // namespace guheng::automation
