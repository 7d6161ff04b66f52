#pragma once
// The window region of a themed window: the union of its applying elements' rectangles, less
// the EXCLUDE elements, less the transparent pixels of transparent element images when the
// theme says AUTOEXCLUDE, cut down to the shrink rectangle while the window is rolled up.
#include <windows.h>

#include <cstdint>

#include "common/Rect.h"
#include "common/win32/UniqueHandle.h"
#include "frame/FrameLayout.h"
#include "graphics/Bitmap.h"
#include "graphics/win32/GdiResources.h"
#include "theme/ThemeState.h"

namespace vt {

// The new region (owned by the guard until SetWindowRgn takes it) of the layout's window, from
// the layout's rectangles. With no element list it is empty. A failing OnCalcRect word's error
// goes to the caller, after the region is released. `calcScripts`: the theme has OnCalcRect
// words (they get a surface on the window). The shape is the frame's at the layout's scale, cut
// from the images as drawn at it.
UniqueGdiObject BuildRegion(FrameLayout& layout, GdiResources& resources, HWND window, bool shrunk, bool calcScripts);

// The same on a layout of its own for the window as it is, framed at `dpi` (0: the window's own,
// WindowDpi): for a caller that reads nothing else of the window (a preview, a test).
UniqueGdiObject BuildRegion(ThemeState& theme, GdiResources& resources, HWND window, std::uint32_t style,
                            bool shrunk, bool calcScripts, std::int32_t dpi = 0);

// The region an element takes: `rect` less the image's transparent pixels as painting draws the
// image over it; only the part within `visible` (the window) is looked at, the rest of `rect` is
// kept whole. An image without transparency gives the whole rectangle. Null when GDI refused.
UniqueGdiObject ElementShape(const Bitmap& image, const Rect& rect, const Rect& visible, std::uint8_t drawingMode);

}  // namespace vt
