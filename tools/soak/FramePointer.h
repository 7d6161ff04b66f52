#pragma once
// Real pointer input on a window's frame, aimed by the window's own answers to WM_NCHITTEST: the
// soak finds its caption, borders, buttons and menu bar whatever the theme, skinned or not.
#include <windows.h>

#include <initializer_list>

#include "SoakRandom.h"

namespace vt::soak {

// Hit codes of the frame's parts: Windows' own and the theme's buttons.
enum class FramePart { Caption, Sizing, MaximizeOrRestore, Minimize, RollUp, MenuBar };

// A point of the window where the hit test answers `part`, picked at random among those found on a
// grid over the window's edges; false when there is none.
bool FindFramePoint(HWND window, FramePart part, SoakRandom& random, POINT& at);
void ClickAt(POINT at);
// Presses at `from`, moves through the middle to `to`, releases there.
void DragFromTo(POINT from, POINT to);

}  // namespace vt::soak
