#pragma once
// Our bitmaps as 32-bit top-down device-independent bitmaps, the form GDI blits from.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"
#include "graphics/Bitmap.h"

namespace vt {

// The header of a 32-bit top-down DIB of the bitmap's size.
BITMAPINFO TopDownInfo(const Bitmap& bitmap);
BITMAPINFO TopDownInfo(int w, int h);
// Writes the pixels in the DIB's layout (blue in the lowest byte; ours is 0x00BBGGRR).
void CopyAsDibPixels(const Bitmap& bitmap, std::uint32_t* out);
// A DIB section holding the bitmap's pixels, flushed for the blits that follow; null when GDI
// refused one.
UniqueGdiObject MakeDibSection(const Bitmap& bitmap);
// A 32-bit top-down DIB section of w x h pixels for the caller to fill through `bits` (then
// GdiFlush before blitting from it); null when GDI refused one.
UniqueGdiObject MakeEmptyDibSection(int w, int h, std::uint32_t*& bits);

}  // namespace vt
