// regsvr: registers an in-process server library in the user's class registry, or with -u
// unregisters it. Exit codes: 0 done, 1 bad command line, 3 library does not load, 4 no entry
// point, 5 the entry point failed.
#include "automation/class_factory.h"
#include "automation/status.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <string>

using namespace guheng::automation;

namespace {

enum ExitCode { Done = 0, BadCommandLine = 1, LoadFailed = 3, NoEntryPoint = 4, EntryPointFailed = 5 };

int usage() {
    std::fputs("usage: regsvr [-u] LIBRARY\n"
               "  registers LIBRARY (calls its DllRegisterServer), or with -u unregisters it\n",
               stderr);
    return BadCommandLine;
}

} // namespace

int main(int argc, char** argv) {
    bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 + (unregister ? 1 : 0) || argv[argc - 1][0] == '-')
        return usage();
    const char* library = argv[argc - 1];
    const char* entryName = unregister ? DllUnregisterServerName : DllRegisterServerName;

    // An absolute path, so the loader never searches its own folders for a bare file name.
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(library, error);
    void* handle = error ? nullptr : ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "regsvr: cannot load %s: %s\n", library,
                     error ? error.message().c_str() : ::dlerror());
        return LoadFailed;
    }
    auto entry = reinterpret_cast<DllRegisterServerFunction>(::dlsym(handle, entryName));
    if (!entry) {
        std::fprintf(stderr, "regsvr: %s has no entry point %s\n", library, entryName);
        return NoEntryPoint;
    }
    HRESULT status = entry();
    if (failed(status)) {
        std::fprintf(stderr, "regsvr: %s in %s failed: %s\n", entryName, library,
                     statusMessage(status).c_str());
        return EntryPointFailed;
    }
    std::printf("regsvr: %s in %s succeeded.\n", entryName, library);
    return Done;
}
