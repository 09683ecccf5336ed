// Qt cannot be unloaded once it has started (its globals are never freed, its exit handlers stay
// registered). This library pulls Qt in for its About box and may itself be unloaded by its
// container, so on loading it marks Qt Widgets, and with it Gui and Core, to stay in the process.
#include <QApplication>
#include <dlfcn.h>

namespace {

[[maybe_unused]] const bool qtKeptLoaded = [] {
    Dl_info qtWidgets{};
    if (::dladdr(reinterpret_cast<void*>(&QApplication::activeModalWidget), &qtWidgets) == 0 ||
        !qtWidgets.dli_fname)
        return false;
    return ::dlopen(qtWidgets.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}();

} // namespace
