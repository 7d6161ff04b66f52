#pragma once
// Our bitmaps as 32-bit top-down device-independent bitmaps, the form GDI blits from.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"
#include "graphics/Bitmap.h"

namespace vt {

// The header of a 32-bit top-down DIB of the bitmap's size.
BITMAPINFO TopDownInfo(const Bitmap& bitmap);
// Writes the pixels in the DIB's layout (blue in the lowest byte; ours is 0x00BBGGRR).
void CopyAsDibPixels(const Bitmap& bitmap, std::uint32_t* out);
// A DIB section holding the bitmap's pixels, flushed for the blits that follow; null when GDI
// refused one.
UniqueGdiObject MakeDibSection(const Bitmap& bitmap);

}  // namespace vt
