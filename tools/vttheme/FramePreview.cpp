#include "FramePreview.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/Dpi.h"
#include "frame/FrameInput.h"
#include "frame/win32/FramePainter.h"
#include "frame/win32/ScriptSurface.h"
#include "frame/win32/WindowRegion.h"
#include "graphics/Bitmap.h"
#include "graphics/win32/DibPixels.h"
#include "graphics/win32/GdiGuards.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

constexpr const char* kClassName = "VeltranePreviewWindow";

LRESULT CALLBACK PreviewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETMINMAXINFO) {
        // Any size the user asks for, also below the system's smallest caption window.
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{1, 1};
        info->ptMaxTrackSize = POINT{kMaxPreviewSide, kMaxPreviewSide};
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPreviewClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &PreviewWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    // Registered once for the process; the class goes with the process.
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("the preview window class cannot be registered");
}

UniqueMenu MakeMenuBar(const std::vector<std::string>& items) {
    if (items.empty()) return UniqueMenu();
    UniqueMenu menu(CreateMenu());
    if (!menu) throw std::runtime_error("the menu bar cannot be made");
    for (std::size_t i = 0; i < items.size(); ++i)
        if (!AppendMenuA(menu.get(), MF_STRING, UINT_PTR(i + 1), items[i].c_str()))
            throw std::runtime_error("the menu item " + items[i] + " cannot be made");
    return menu;
}

// The element under the pointer: the hovered one, or the pressed one (the pointer is on it).
std::ptrdiff_t PointerElement(const FrameLook& look) { return look.hover >= 0 ? look.hover : look.pressed; }

// Puts the elements in the state the pointer gives them on a live window, as the module's input
// does (the hovered element's enter word runs, a pressed button presses every element of its
// code), and takes it back however the picture ends.
class LookScope {
public:
    LookScope(ThemeState& theme, const FrameLook& look, GdiResources& resources, HWND window, std::int32_t dpi)
        : theme_(theme), look_(look), resources_(resources), window_(window), dpi_(dpi) {
        Press(true);
        Point(true);
    }
    ~LookScope() {
        try {
            Point(false);
        } catch (...) {
            // The exit word failed: the picture is made already.
        }
        Press(false);
    }
    LookScope(const LookScope&) = delete;
    LookScope& operator=(const LookScope&) = delete;

private:
    void Press(bool on) {
        if (look_.pressed < 0) return;
        const std::int32_t code = theme_.Elements->At(look_.pressed).HitCode;
        for (std::size_t i = 0; i < theme_.Elements->Count(); ++i) {
            TUIElement& e = theme_.Elements->At(std::ptrdiff_t(i));
            if (e.HitCode == code) e.Pressed = e.ShownDown = on;
        }
    }
    void Point(bool on) {
        const std::ptrdiff_t index = PointerElement(look_);
        if (index < 0) return;
        // The words run with a surface on the window, as in the module's hit test.
        ScriptSurface scripts(theme_.Drawing, true, resources_, window_, std::uint32_t(GetWindowLongA(window_, GWL_STYLE)), dpi_);
        theme_.Drawing.IsActive = look_.active;
        SetMouseInside(*theme_.Scripts, theme_.Elements->At(index), on);
    }
    ThemeState& theme_;
    FrameLook look_;
    GdiResources& resources_;
    HWND window_;
    std::int32_t dpi_;
};

// Pixels of the DIB (blue in the lowest byte) as RGBA: opaque inside the region's rectangles,
// transparent black outside. No region: all of the window is opaque.
RgbaImage ToRgba(const std::uint32_t* dib, std::int32_t width, std::int32_t height, HRGN region) {
    RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4, 0)};
    auto opaque = [&](RECT r) {
        r.left = std::max<LONG>(r.left, 0), r.top = std::max<LONG>(r.top, 0);
        r.right = std::min<LONG>(r.right, width), r.bottom = std::min<LONG>(r.bottom, height);
        for (LONG y = r.top; y < r.bottom; ++y) {
            for (LONG x = r.left; x < r.right; ++x) {
                const std::uint32_t p = dib[std::size_t(y) * width + x];
                std::uint8_t* out = image.rgba.data() + (std::size_t(y) * width + x) * 4;
                out[0] = std::uint8_t(p >> 16), out[1] = std::uint8_t(p >> 8), out[2] = std::uint8_t(p), out[3] = 255;
            }
        }
    };
    if (!region) {
        opaque(RECT{0, 0, width, height});
        return image;
    }
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size == 0) return image;  // an empty region: nothing of the window shows
    std::vector<std::uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) != size) throw std::runtime_error("the window region cannot be read");
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) opaque(rects[i]);
    return image;
}

}  // namespace

FramePreview::FramePreview(const RenderOptions& options)
    : width_(options.width), height_(options.height), dpi_(options.scale * kBaseDpi / 100) {
    RegisterPreviewClass();
    UniqueMenu menu = MakeMenuBar(options.menu);
    window_.reset(CreateWindowExA(0, kClassName, options.title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, width_, height_,
                                  nullptr, menu.get(), GetModuleHandleA(nullptr), nullptr));
    if (!window_) throw std::runtime_error("the preview window cannot be made");
    menu.release();  // the window destroys its menu with itself
    RECT r{};
    GetWindowRect(window_.get(), &r);
    if (r.right - r.left != width_ || r.bottom - r.top != height_)
        throw std::runtime_error("the system made the preview window " + std::to_string(r.right - r.left) + "x" +
                                 std::to_string(r.bottom - r.top) + " instead of " + std::to_string(width_) + "x" +
                                 std::to_string(height_));
}

RgbaImage FramePreview::Render(ThemeState& theme, GdiResources& resources, FrameMenus* menus, const FrameLook& look) {
    HWND window = window_.get();
    Bitmap background;
    background.SetSize(width_, height_);
    const COLORREF fill = GetSysColor(COLOR_WINDOW);
    for (std::int32_t y = 0; y < height_; ++y)
        for (std::int32_t x = 0; x < width_; ++x)
            background.SetPixel(x, y, MakeColour(GetRValue(fill), GetGValue(fill), GetBValue(fill)));
    UniqueGdiObject section = MakeDibSection(background);
    DIBSECTION dib{};
    if (!section || GetObjectA(section.get(), sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits)
        throw std::runtime_error("no bitmap of " + std::to_string(width_) + "x" + std::to_string(height_));
    MemoryDc dc(nullptr);
    if (!dc) throw std::runtime_error("no memory device context");

    const bool calcScripts = HasCalcRectWords(theme);
    UniqueGdiObject region;
    {
        LookScope scope(theme, look, resources, window, dpi_);
        SelectGuard select(dc.Get(), section.get());
        const FramePaintTools tools{theme, resources, menus, PointerElement(look) >= 0 ? window : nullptr, dpi_};
        PaintFrameOnto(tools, window, dc.Get(), look.active);
        GdiFlush();
        region = BuildRegion(theme, resources, window, std::uint32_t(GetWindowLongA(window, GWL_STYLE)), false,
                             calcScripts, dpi_);
    }
    return ToRgba(static_cast<const std::uint32_t*>(dib.dsBm.bmBits), width_, height_,
                  static_cast<HRGN>(region.get()));
}

}  // namespace vt
