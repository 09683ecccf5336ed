#include "automation/server_library.h"

#include <dlfcn.h>
#include <map>
#include <mutex>

namespace guheng::automation {
namespace {

std::mutex cacheMutex;
std::map<std::filesystem::path, std::weak_ptr<ServerLibrary>> openLibraries;

} // namespace

HRESULT ServerLibrary::open(const std::filesystem::path& file, std::shared_ptr<ServerLibrary>* library) {
    if (!library)
        return E_POINTER;
    std::error_code error;
    auto canonical = std::filesystem::canonical(file, error);
    if (error || !std::filesystem::is_regular_file(canonical, error))
        return CO_E_DLLNOTFOUND;

    std::lock_guard lock(cacheMutex);
    if (auto shared = openLibraries[canonical].lock()) {
        *library = shared;
        return S_OK;
    }
    void* handle = ::dlopen(canonical.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return CO_E_DLLNOTFOUND;
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(::dlsym(handle, DllGetClassObjectName));
    auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(::dlsym(handle, DllCanUnloadNowName));
    if (!getClassObject || !canUnloadNow) {
        ::dlclose(handle);
        return CO_E_ERRORINDLL;
    }
    std::shared_ptr<ServerLibrary> opened(new ServerLibrary());
    opened->handle_ = handle;
    opened->getClassObject_ = getClassObject;
    opened->canUnloadNow_ = canUnloadNow;
    openLibraries[canonical] = opened;
    *library = std::move(opened);
    return S_OK;
}

ServerLibrary::~ServerLibrary() {
    // A library that still has objects or locks stays loaded for good: unloading it would
    // pull the code from under them.
    if (canUnloadNow_() == S_OK)
        ::dlclose(handle_);
}

HRESULT ServerLibrary::getClassObject(const Guid& clsid, const Guid& iid, void** object) const {
    return getClassObject_(&clsid, &iid, object);
}

} // namespace guheng::automation
