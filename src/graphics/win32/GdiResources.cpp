#include "graphics/win32/GdiResources.h"

#include <cstring>

#include "graphics/DrawingSurface.h"
#include "graphics/ScaledPixels.h"
#include "graphics/win32/DibPixels.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
COLORREF ColourToRgb(Colour c) {
    if (IsSystemColour(c)) return GetSysColor(int(c & 0xFF));
    return c & 0xFFFFFF;
}

void GdiResources::Clear() noexcept {
    sections_.clear();
    stretched_.clear();
    fonts_.clear();
}

HBITMAP GdiResources::Section(const Bitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    auto found = sections_.find(&bitmap);
    if (found != sections_.end()) return static_cast<HBITMAP>(found->second.get());
    UniqueGdiObject section = MakeDibSection(bitmap);
    if (!section) return nullptr;
    HBITMAP handle = static_cast<HBITMAP>(section.get());
    sections_.emplace(&bitmap, std::move(section));
    return handle;
}

HBITMAP GdiResources::StretchedSection(const Bitmap& bitmap, const Rect& dest, const Rect& part) {
    if (bitmap.Empty() || dest.IsEmpty() || part.IsEmpty()) return nullptr;
    StretchKey key;
    key.destWidth = dest.Width();
    key.destHeight = dest.Height();
    key.part = Rect{part.Left - dest.Left, part.Top - dest.Top, part.Right - dest.Left, part.Bottom - dest.Top};
    auto found = stretched_.find(&bitmap);
    if (found != stretched_.end() && found->second.key == key)
        return static_cast<HBITMAP>(found->second.section.get());

    Bitmap pixels;
    StretchPart(bitmap, dest, part, pixels);
    UniqueGdiObject section = MakeDibSection(pixels);
    if (!section) return nullptr;
    HBITMAP handle = static_cast<HBITMAP>(section.get());
    Stretched& slot = stretched_[&bitmap];  // replaces the previous size's form
    slot.key = key;
    slot.section = std::move(section);
    return handle;
}

int GdiResources::ScreenDpi() {
    if (dpi_ == 0) {
        WindowDc screen(nullptr, GetDC(nullptr));
        int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        dpi_ = dpi > 0 ? dpi : 96;
    }
    return dpi_;
}

HFONT GdiResources::FontHandle(const Font& font) {
    for (const FontEntry& e : fonts_) {
        if (e.size == font.size && e.bold == font.bold && e.italic == font.italic && e.underline == font.underline &&
            e.face == font.face)
            return static_cast<HFONT>(e.handle.get());
    }
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(font.size, ScreenDpi(), 72);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // Longer faces are cut to what LOGFONT holds, as the platform would.
    font.face.copy(lf.lfFaceName, sizeof lf.lfFaceName - 1);
    UniqueGdiObject handle(CreateFontIndirectA(&lf));
    if (!handle) return nullptr;
    HFONT result = static_cast<HFONT>(handle.get());
    fonts_.push_back(FontEntry{font.face, font.size, font.bold, font.italic, font.underline, std::move(handle)});
    return result;
}

}  // namespace vt
