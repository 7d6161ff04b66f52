#include "graphics/win32/DibPixels.h"

#include <cstring>

namespace vt {

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

void CopyAsDibPixels(const Bitmap& bitmap, std::uint32_t* out) {
    for (Colour c : bitmap.Pixels()) *out++ = (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
}

UniqueGdiObject MakeDibSection(const Bitmap& bitmap) {
    BITMAPINFO info = TopDownInfo(bitmap);
    void* bits = nullptr;
    UniqueGdiObject section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return UniqueGdiObject();
    CopyAsDibPixels(bitmap, static_cast<std::uint32_t*>(bits));
    // The pixels were written through the section's memory: GDI may batch, so make them visible
    // to the blits that follow.
    GdiFlush();
    return section;
}

}  // namespace vt
