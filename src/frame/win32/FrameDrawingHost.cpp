#include "frame/win32/FrameDrawingHost.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "frame/FrameLayout.h"
#include "frame/win32/WindowGeometry.h"

namespace vt {

Rect FrameDrawingHost::ElementRect(std::ptrdiff_t index) const { return ElementRectForScripts(theme_, index); }

std::string FrameDrawingHost::WindowText(std::uintptr_t window) const {
    return vt::WindowText(reinterpret_cast<HWND>(window));
}

}  // namespace vt
