#pragma once
// Where a skinned window goes when it is maximised, in the coordinates of MINMAXINFO's maximised
// position (its parent's client area for a child, its monitor for a top-level window).
#include <windows.h>

#include <optional>

#include "frame/win32/FrameAppearance.h"

namespace vt {

bool IsMdiDocument(HWND window);

// The place the MDI client gives its maximised document for the system's frame: the document's
// client area on the MDI client's, its caption and borders outside (the frame's menu bar takes
// its icon and buttons). The MDI client answers WM_GETMINMAXINFO with it, and moves the document
// there again whenever it is resized itself.
RECT SystemMaximisedDocument(HWND window);

// The same place for the theme's frame: for an MDI document, its client area on the MDI client's;
// for any other window, its client area fills its parent's client area (a child) or its monitor's
// work area, its caption at the top of it, fully visible, and its other borders just outside, as
// with the system's frame. None when the area cannot be had.
std::optional<RECT> MaximisedPlace(FrameAppearance& appearance, ThemeView& view, HWND window);

}  // namespace vt
