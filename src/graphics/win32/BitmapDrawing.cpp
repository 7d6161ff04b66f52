#include "graphics/win32/BitmapDrawing.h"

#include <vector>

#include "graphics/win32/DibPixels.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

bool StretchOpaque(HDC dc, const Bitmap& bitmap, const RECT& r) {
    std::vector<std::uint32_t> pixels(bitmap.Pixels().size());
    CopyAsDibPixels(bitmap, pixels.data());
    BITMAPINFO info = TopDownInfo(bitmap);
    return StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, bitmap.Width(),
                         bitmap.Height(), pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool StretchTransparent(HDC dc, const Bitmap& bitmap, const RECT& r) {
    UniqueGdiObject section = MakeDibSection(bitmap);
    MemoryDc source(dc);
    if (!section || !source) return false;
    SelectGuard selected(source.Get(), section.get());
    return GdiTransparentBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0,
                             bitmap.Width(), bitmap.Height(), bitmap.TransparentColor()) != FALSE;
}

}  // namespace

bool StretchBitmap(HDC dc, const Bitmap& bitmap, const RECT& destination) {
    if (bitmap.Empty()) return true;
    // Nearest-pixel stretching: frame pieces and buttons are pixel art, and the result must be
    // the same on every system.
    int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    bool drawn = bitmap.Transparent() ? StretchTransparent(dc, bitmap, destination)
                                      : StretchOpaque(dc, bitmap, destination);
    if (previousMode) SetStretchBltMode(dc, previousMode);
    return drawn;
}

}  // namespace vt
