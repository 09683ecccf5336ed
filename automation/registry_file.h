// Reading and changing the class registry file. A change is made under a lock and written to a
// temporary file that is then renamed over the old one, so a crash never leaves it half-written.
// A file that cannot be read or is corrupt is REGDB_E_READREGDB and is never overwritten.
#pragma once

#include "automation/registry_format.h"
#include "automation/status.h"

#include <filesystem>
#include <functional>

namespace guheng::automation {

struct RegistryRead {
    HRESULT status = S_OK; // S_FALSE when the file does not exist (no entries)
    RegistryEntries entries;
};

RegistryRead readRegistryFile(const std::filesystem::path& file);

// Applies `change` to the entries and stores the result; creates the file and its folder if needed.
// REGDB_E_READREGDB (corrupt, unreadable), REGDB_E_WRITEREGDB (cannot write), or S_OK.
HRESULT changeRegistryFile(const std::filesystem::path& file,
                           const std::function<void(RegistryEntries&)>& change);

} // namespace guheng::automation
