// The program's pictures, compiled in as resources under ":/assets/". Call
// registerAssets() before the first picture is loaded; calling it again is harmless.
#pragma once

#include <QPixmap>
#include <QString>

namespace guheng::shell {

void registerAssets();

// A picture by its file name without ".png", e.g. "button0_normal".
QPixmap asset(const QString& name);

} // namespace guheng::shell
