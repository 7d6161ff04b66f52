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

FrameLayout& ThemeView::Layout(ThemeState& theme, const LayoutWindow& window) {
    Hold();
    if (!layout_ || &layout_->Theme() != &theme || !(layout_->Window() == window)) layout_.emplace(theme, window);
    return *layout_;
}

}  // namespace vt
