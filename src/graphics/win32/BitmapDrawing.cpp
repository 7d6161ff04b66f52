#include "graphics/win32/BitmapDrawing.h"

#include <cstring>
#include <vector>

#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

// A 32-bit top-down DIB header for the bitmap's pixels.
BITMAPINFO TopDownInfo(const Bitmap& bitmap) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Our pixels are 0x00BBGGRR; a 32-bit DIB holds blue in the lowest byte.
void CopyAsDibPixels(const Bitmap& bitmap, std::uint32_t* out) {
    for (Colour c : bitmap.Pixels()) *out++ = (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
}

bool StretchOpaque(HDC dc, const Bitmap& bitmap, const RECT& r) {
    std::vector<std::uint32_t> pixels(bitmap.Pixels().size());
    CopyAsDibPixels(bitmap, pixels.data());
    BITMAPINFO info = TopDownInfo(bitmap);
    return StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, bitmap.Width(),
                         bitmap.Height(), pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool StretchTransparent(HDC dc, const Bitmap& bitmap, const RECT& r) {
    BITMAPINFO info = TopDownInfo(bitmap);
    void* bits = nullptr;
    UniqueGdiObject section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc source(dc);
    if (!section || !bits || !source) return false;
    CopyAsDibPixels(bitmap, static_cast<std::uint32_t*>(bits));
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
