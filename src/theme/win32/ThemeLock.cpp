#include "theme/win32/ThemeLock.h"

namespace vt {

PumpingLock& ThemeLock() {
    // Constant-initialised and trivially destroyed: no work at the process's exit.
    static PumpingLock lock;
    return lock;
}

}  // namespace vt
