// Self-registration of a server library: the registry entries of its type library, interfaces
// and classes, written to or removed from the user's class registry. Only these keys are touched;
// registering again replaces them, so it is idempotent.
#pragma once

#include "automation/registry_format.h"
#include "automation/status.h"
#include "automation/type_info.h"

#include <filesystem>

namespace guheng::automation {

RegistryEntries registrationEntries(const TypeLibInfo& library, const std::filesystem::path& libraryFile);

// addressInLibrary: any function of the library, to find its file.
HRESULT registerServer(const TypeLibInfo& library, const void* addressInLibrary);
HRESULT unregisterServer(const TypeLibInfo& library);

// Keys the hosting layer looks classes up by.
std::string progIdKey(std::string_view progId); // "<ProgID>/CLSID" -> class id
std::string inprocServerKey(const Guid& clsid); // "CLSID/{...}/InprocServer32" -> library file

} // namespace guheng::automation
