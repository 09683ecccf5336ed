#include "automation/platform_paths.h"

#include <cstdlib>
#include <dlfcn.h>
#include <system_error>

namespace guheng::automation {

std::optional<std::filesystem::path> registryFilePath() {
    std::filesystem::path base;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && std::filesystem::path(dataHome).is_absolute()) {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !std::filesystem::path(home).is_absolute())
            return std::nullopt;
        base = std::filesystem::path(home) / ".local" / "share";
    }
    return base / "guheng" / "classes.reg";
}

std::optional<std::filesystem::path> programFolder() {
    std::error_code error;
    auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::nullopt;
    return program.parent_path();
}

std::optional<std::filesystem::path> moduleFileOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return std::nullopt;
    std::error_code error;
    auto path = std::filesystem::canonical(info.dli_fname, error);
    if (error)
        return std::nullopt;
    return path;
}

} // namespace guheng::automation
