#pragma once
// A picture of a themed window, painted by the module's own frame code into a memory bitmap: a
// hidden window of our own class (never subclassed, never shown) gives the size, style, title and
// menu that the painting reads; what lies outside the window region the module would set comes
// out transparent.
#include <windows.h>

#include <cstddef>

#include "RenderOptions.h"
#include "common/win32/UniqueHandle.h"
#include "frame/win32/FrameMenus.h"
#include "graphics/RgbaImage.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

// How one picture shows the window: active or not, and which element (if any, -1 none) is
// hovered or pressed.
struct FrameLook {
    bool active = true;
    std::ptrdiff_t hover = -1;
    std::ptrdiff_t pressed = -1;
};

class FramePreview {
public:
    // Throws std::runtime_error when the system will not make the window at the asked size.
    explicit FramePreview(const RenderOptions& options);

    // The window painted with the look; the client area is the system's window colour. The
    // elements' hover and pressed flags are as before afterwards.
    RgbaImage Render(ThemeState& theme, GdiResources& resources, FrameMenus* menus, const FrameLook& look);

private:
    UniqueWindow window_;
    std::int32_t width_;
    std::int32_t height_;
    std::int32_t dpi_;  // the scale the frame is drawn at
};

}  // namespace vt
