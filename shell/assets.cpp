#include "shell/assets.h"

// Resources in a static library must be pulled in by name, or the linker drops them.
static void registerCompiledAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace guheng::shell {

void registerAssets() {
    static const bool registered = (registerCompiledAssets(), true);
    (void)registered;
}

QPixmap asset(const QString& name) {
    registerAssets();
    return QPixmap(":/assets/" + name + ".png");
}

} // namespace guheng::shell
