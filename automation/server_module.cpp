#include "automation/server_module.h"

#include <atomic>

namespace guheng::automation::server {
namespace {

std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};

} // namespace

void objectCreated() {
    ++liveObjects;
}
void objectDestroyed() {
    --liveObjects;
}

void lockServer(bool lock) {
    if (lock) {
        ++serverLocks;
        return;
    }
    long locks = serverLocks.load();
    while (locks > 0 && !serverLocks.compare_exchange_weak(locks, locks - 1)) {
    }
}

HRESULT canUnloadNow() {
    return liveObjects.load() == 0 && serverLocks.load() == 0 ? S_OK : S_FALSE;
}

} // namespace guheng::automation::server
