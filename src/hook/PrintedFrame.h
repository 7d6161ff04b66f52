#pragma once
// WM_PRINT of a skinned window (PrintWindow, screen captures, thumbnails, printing): the system's
// default answer would draw its own frame, or none, where the program shows ours.
#include <windows.h>

#include <functional>

#include "frame/win32/FrameAppearance.h"

namespace vt {

// Paints our frame into `dc` (window coordinates) when `flags` ask for the non-client area, then
// has the program (`passOn`, given the flags left over) draw its client part into the same DC
// moved to the client area's origin and clipped to it. Without PRF_NONCLIENT everything is the
// program's.
LRESULT PrintWithFrame(FrameAppearance& appearance, ThemeView& view, HWND window, HDC dc, LPARAM flags, bool active,
                       const std::function<LRESULT(LPARAM flags)>& passOn);

}  // namespace vt
