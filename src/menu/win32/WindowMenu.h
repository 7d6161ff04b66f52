#pragma once
// The window menu (system menu) of a skinned window, opened at a screen point through a
// TMenuWindow that relays the chosen command to the window.
#include <windows.h>

#include <cstdint>

namespace vt {

// `point`: x in the low word, y in the high word. Returns when the popup has closed.
void OpenWindowMenu(HWND window, std::uint32_t point);

// Enables or greys the standard items of `menu` for the window's state, as the system does for
// its own window menu: Restore only when maximised or minimised, Move unless maximised, Size
// for a sizable window in its normal state, Minimise and Maximise when the window has the box
// and is not in that state, Close unless the class says CS_NOCLOSE.
void PrepareWindowMenu(HWND window, HMENU menu);

}  // namespace vt
