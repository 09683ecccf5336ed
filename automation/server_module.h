// Book-keeping of an in-process server library: its live objects and server locks, which decide
// DllCanUnloadNow. Each server library links its own copy.
#pragma once

#include "automation/status.h"

namespace guheng::automation::server {

void objectCreated();
void objectDestroyed();
void lockServer(bool lock); // an unlock without a lock is ignored

// S_OK when nothing lives and nothing is locked, else S_FALSE.
HRESULT canUnloadNow();

} // namespace guheng::automation::server
