#include "graphics/win32/DibPixels.h"

#include <cstring>

namespace vt {

BITMAPINFO TopDownInfo(const Bitmap& bitmap) { return TopDownInfo(bitmap.Width(), bitmap.Height()); }

BITMAPINFO TopDownInfo(int w, int h) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void CopyAsDibPixels(const Bitmap& bitmap, std::uint32_t* out) {
    for (Colour c : bitmap.Pixels()) *out++ = (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
}

UniqueGdiObject MakeEmptyDibSection(int w, int h, std::uint32_t*& bits) {
    BITMAPINFO info = TopDownInfo(w, h);
    void* memory = nullptr;
    UniqueGdiObject section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!section || !memory) return UniqueGdiObject();
    bits = static_cast<std::uint32_t*>(memory);
    return section;
}

UniqueGdiObject MakeDibSection(const Bitmap& bitmap) {
    std::uint32_t* bits = nullptr;
    UniqueGdiObject section = MakeEmptyDibSection(bitmap.Width(), bitmap.Height(), bits);
    if (!section) return section;
    CopyAsDibPixels(bitmap, bits);
    // The pixels were written through the section's memory: GDI may batch, so make them visible
    // to the blits that follow.
    GdiFlush();
    return section;
}

}  // namespace vt
