#pragma once
// The Win32 window-style bits (WS_*) that element style masks are made of, by their Win32
// meaning: the portable core has no <windows.h>. An element applies to a window whose style has
// any bit of its mask.
#include <cstdint>

namespace vt {

constexpr std::uint32_t kStyleChild = 0x40000000;        // WS_CHILD
constexpr std::uint32_t kStyleCaption = 0x00C00000;      // WS_CAPTION
constexpr std::uint32_t kStyleBorder = 0x00800000;       // WS_BORDER
constexpr std::uint32_t kStyleSysMenu = 0x00080000;      // WS_SYSMENU
constexpr std::uint32_t kStyleThickFrame = 0x00040000;   // WS_THICKFRAME
constexpr std::uint32_t kStyleMinimizeBox = 0x00020000;  // WS_MINIMIZEBOX
constexpr std::uint32_t kStyleMaximizeBox = 0x00010000;  // WS_MAXIMIZEBOX
constexpr std::uint32_t kStyleAny = 0xFFFFFFFF;          // every window

}  // namespace vt
