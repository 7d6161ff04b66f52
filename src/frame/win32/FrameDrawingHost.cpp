#include "frame/win32/FrameDrawingHost.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "frame/win32/WindowGeometry.h"
#include "theme/ThemeState.h"

namespace vt {
namespace {

Rect ElementRectAt(std::ptrdiff_t index) {
    ThemeState& theme = CurrentTheme();
    if (!theme.Elements) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return theme.Elements->At(index).Rect;
}

std::string WindowTextOf(std::uintptr_t window) { return WindowText(reinterpret_cast<HWND>(window)); }

}  // namespace

DrawingHost FrameDrawingHost() { return DrawingHost{&ElementRectAt, &WindowTextOf}; }

}  // namespace vt
