// Where things are on this platform: the user's class registry file, the running program's
// folder, and the file a loaded library came from. Empty when the platform cannot tell.
#pragma once

#include <filesystem>
#include <optional>

namespace guheng::automation {

// $XDG_DATA_HOME/guheng/classes.reg, or ~/.local/share/guheng/classes.reg when XDG_DATA_HOME
// is unset or not absolute.
std::optional<std::filesystem::path> registryFilePath();

std::optional<std::filesystem::path> programFolder();

// The library (or program) holding `address`, e.g. the address of one of its functions.
std::optional<std::filesystem::path> moduleFileOf(const void* address);

} // namespace guheng::automation
