#pragma once
// The display scale a window is framed at.
#include <windows.h>

#include <cstdint>

namespace vt {

// The window's own DPI where the system keeps one per window (GetDpiForWindow, looked up at run
// time: the module must load where it is missing), else the screen's; within kMinDpi..kMaxDpi.
std::int32_t WindowDpi(HWND window);

// A system metric (SM_*) at `dpi` where the system gives them per scale (GetSystemMetricsForDpi,
// looked up at run time), else the one the calling thread sees.
int SystemMetricAtDpi(int index, std::int32_t dpi);

}  // namespace vt
