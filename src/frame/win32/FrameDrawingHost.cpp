#include "frame/win32/FrameDrawingHost.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "frame/win32/WindowGeometry.h"

namespace vt {

Rect FrameDrawingHost::ElementRect(std::ptrdiff_t index) const {
    if (!theme_.Elements) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return theme_.Elements->At(index).Rect;
}

std::string FrameDrawingHost::WindowText(std::uintptr_t window) const {
    return vt::WindowText(reinterpret_cast<HWND>(window));
}

}  // namespace vt
