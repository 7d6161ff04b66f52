#include "frame/win32/ThemeView.h"

#include "theme/win32/ThemeLock.h"

namespace vt {

void ThemeView::Hold() {
    if (held_) return;
    if (!ThemeLock().Acquire(kThemeLockWaitMs)) throw LockTimeout();
    held_ = true;
}

void ThemeView::Release() {
    if (!held_) return;
    held_ = false;
    ThemeLock().Release();
}

}  // namespace vt
