#include "ScreenImage.h"

#include <windows.h>

#include <fstream>

#include "graphics/win32/GdiGuards.h"

namespace vt::demo {

bool SaveScreen(const std::string& path) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    WindowDc screen(nullptr, GetDC(nullptr));
    if (!screen) return false;
    MemoryDc memory(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueGdiObject dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !memory) return false;
    {
        SelectGuard selected(memory.Get(), dib.get());
        BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const DWORD stride = DWORD((w * 3 + 3) & ~3), size = stride * DWORD(h);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                          DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), std::streamsize(size));
    return bool(out);
}

}  // namespace vt::demo
