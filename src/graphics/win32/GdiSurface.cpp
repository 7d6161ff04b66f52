#include "graphics/win32/GdiSurface.h"

#include <climits>
#include <stdexcept>

#include "common/Dpi.h"
#include "graphics/ScaledPixels.h"

namespace vt {
namespace {

RECT ToRect(const Rect& r) { return RECT{LONG(r.Left), LONG(r.Top), LONG(r.Right), LONG(r.Bottom)}; }

// Text lengths as the ANSI text calls take them.
int TextLength(const std::string& text) { return text.size() > std::size_t(INT_MAX) ? INT_MAX : int(text.size()); }

}  // namespace

GdiSurface::GdiSurface(HDC dc, GdiResources& resources) : dc_(dc), resources_(resources) {
    // Until a pass says which window's scale it draws at, the device's own.
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dpi > 0) SetDpi(ClampDpi(dpi));
}

GdiSurface::~GdiSurface() {
    // Our pen and brush are deleted after this, so they must not stay selected.
    if (originalFont_) SelectObject(dc_, originalFont_);
    if (originalPen_) SelectObject(dc_, originalPen_);
    if (originalBrush_) SelectObject(dc_, originalBrush_);
    if (prepared_) {
        SetTextColor(dc_, originalTextColour_);
        SetBkColor(dc_, originalBackColour_);
        if (originalBackMode_) SetBkMode(dc_, originalBackMode_);
    }
}

void GdiSurface::Remember(HGDIOBJ previous, HGDIOBJ& original) {
    if (!original && previous && previous != HGDI_ERROR) original = previous;
}

HPEN GdiSurface::CurrentPen() {
    COLORREF rgb = ColourToRgb(PenColour());
    if (!pen_ || rgb != penRgb_) {
        UniqueGdiObject fresh(CreatePen(PS_SOLID, 0, rgb));
        if (!fresh) return static_cast<HPEN>(pen_.get());  // keeps drawing with the last one
        // The old pen may be selected: put the new one in before the old one is deleted.
        if (prepared_) Remember(SelectObject(dc_, fresh.get()), originalPen_);
        pen_ = std::move(fresh);
        penRgb_ = rgb;
    }
    return static_cast<HPEN>(pen_.get());
}

HBRUSH GdiSurface::CurrentBrush() {
    if (BrushKind() == BrushStyle::Clear) return nullptr;
    COLORREF rgb = ColourToRgb(BrushColour());
    if (!brush_ || rgb != brushRgb_) {
        UniqueGdiObject fresh(CreateSolidBrush(rgb));
        if (!fresh) return static_cast<HBRUSH>(brush_.get());
        if (prepared_) Remember(SelectObject(dc_, fresh.get()), originalBrush_);
        brush_ = std::move(fresh);
        brushRgb_ = rgb;
    }
    return static_cast<HBRUSH>(brush_.get());
}

HDC GdiSurface::PreparedDc() {
    const Font& font = CurrentFont();
    HFONT hfont = resources_.FontHandle(font, Dpi());
    HPEN pen = CurrentPen();
    HBRUSH brush = CurrentBrush();
    if (!prepared_) {
        originalTextColour_ = GetTextColor(dc_);
        originalBackColour_ = GetBkColor(dc_);
        originalBackMode_ = GetBkMode(dc_);
        prepared_ = true;
    }
    if (hfont) Remember(SelectObject(dc_, hfont), originalFont_);
    if (pen) Remember(SelectObject(dc_, pen), originalPen_);
    Remember(SelectObject(dc_, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH)), originalBrush_);
    SetTextColor(dc_, ColourToRgb(font.colour));
    if (brush) {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, brushRgb_);
    } else {
        SetBkMode(dc_, TRANSPARENT);
    }
    return dc_;
}

void GdiSurface::FillRect(const Rect& r) {
    HBRUSH brush = CurrentBrush();
    if (!brush || r.IsEmpty()) return;
    RECT rc = ToRect(r);
    ::FillRect(dc_, &rc, brush);
}

void GdiSurface::Rectangle(const Rect& r) {
    HDC dc = PreparedDc();
    ::Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void GdiSurface::MoveTo(std::int32_t x, std::int32_t y) { MoveToEx(dc_, x, y, nullptr); }

void GdiSurface::LineTo(std::int32_t x, std::int32_t y) {
    HDC dc = PreparedDc();
    ::LineTo(dc, x, y);
}

void GdiSurface::SetPixel(std::int32_t x, std::int32_t y, Colour c) { ::SetPixel(dc_, x, y, ColourToRgb(c)); }

Colour GdiSurface::GetPixel(std::int32_t x, std::int32_t y) {
    // Asked of the clipping itself: not every GDI leaves clipped-out pixels unread.
    if (!PtVisible(dc_, x, y)) return kInvalidColour;
    COLORREF c = ::GetPixel(dc_, x, y);
    return c == CLR_INVALID ? kInvalidColour : Colour(c & 0xFFFFFF);
}

TextSize GdiSurface::TextExtent(const std::string& text) {
    HDC dc = PreparedDc();
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(dc, text.c_str(), TextLength(text), &size)) return TextSize{};
    return TextSize{std::int32_t(size.cx), std::int32_t(size.cy)};
}

void GdiSurface::TextOutClipped(std::int32_t x, std::int32_t y, const Rect& clip, const std::string& text) {
    HDC dc = PreparedDc();
    RECT rc = ToRect(clip);
    // Opaque: the whole clip rectangle gets the brush colour, not only the text's cells.
    UINT options = ETO_CLIPPED | (BrushKind() == BrushStyle::Solid ? ETO_OPAQUE : 0);
    ExtTextOutA(dc, x, y, options, &rc, text.c_str(), UINT(TextLength(text)), nullptr);
}

void GdiSurface::DrawTextCentred(const Rect& r, const std::string& text) {
    HDC dc = PreparedDc();
    RECT rc = ToRect(r);
    DrawTextA(dc, text.c_str(), TextLength(text), &rc, DT_CENTER);
}

void GdiSurface::Blit(const BlitForm& form, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    BlitRepeated(form, Rect{x, y, x + w, y + h});
}

namespace {

// Copies w x h pixels of a 32-bit top-down picture `stride` pixels wide, from its column sx and
// row sy, to (x, y) with `rop`: straight from its memory, so that no DC has a bitmap selected in
// and out for it (a selection costs more than the copy of a frame piece under Wine).
bool CopyPixels(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels, int stride, int sx, int sy,
                DWORD rop) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = stride;
    info.bmiHeader.biHeight = -h;  // the rows from sy on, so that no source row offset is needed
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::uint32_t* from = pixels + std::size_t(sy) * std::size_t(stride);
    return StretchDIBits(dc, x, y, w, h, sx, 0, w, h, from, &info, DIB_RGB_COLORS, rop) != 0;
}

}  // namespace

void GdiSurface::BlitRepeated(const BlitForm& form, const Rect& area) {
    // Within a limited pass only the part inside the limit is copied (GDI would clip the rest).
    const Rect shown = limitBox_ ? Intersection(area, *limitBox_) : area;
    if (shown.IsEmpty() || form.width <= 0 || form.height <= 0 || !form.bits) return;
    // The copies that meet the shown part, each cut to it.
    const std::int32_t firstX = area.Left + (shown.Left - area.Left) / form.width * form.width;
    const std::int32_t firstY = area.Top + (shown.Top - area.Top) / form.height * form.height;
    for (std::int32_t top = firstY; top < shown.Bottom; top += form.height) {
        for (std::int32_t left = firstX; left < shown.Right; left += form.width) {
            const Rect part = Intersection(Rect{left, top, left + form.width, top + form.height}, shown);
            const int x = part.Left, y = part.Top, w = part.Width(), h = part.Height();
            const int sx = part.Left - left, sy = part.Top - top;
            if (form.masked) {
                if (CopyPixels(dc_, x, y, w, h, form.bits, form.width, sx, form.rows + sy, SRCAND))
                    CopyPixels(dc_, x, y, w, h, form.bits, form.width, sx, sy, SRCPAINT);
            } else {
                CopyPixels(dc_, x, y, w, h, form.bits, form.width, sx, sy, SRCCOPY);
            }
        }
    }
}

Rect GdiSurface::VisiblePart(const Rect& r) const {
    if (r.IsEmpty()) return {};
    if (formBox_) return Intersection(r, *formBox_);
    RECT box;
    int kind = GetClipBox(dc_, &box);
    if (kind == ERROR || kind == NULLREGION) return {};
    return Intersection(r, Rect{box.left, box.top, box.right, box.bottom});
}

void GdiSurface::DrawBitmap(const Bitmap& original, std::int32_t x, std::int32_t y) {
    const Bitmap& bitmap = resources_.AtDpi(original, Dpi());
    if (bitmap.Empty()) return;
    if (const BlitForm* form = resources_.Form(bitmap)) Blit(*form, x, y, bitmap.Width(), bitmap.Height());
}

// Only the part that can show is stretched or tiled: a rectangle far larger than the window
// costs no more than the window.
void GdiSurface::StretchBitmap(const Bitmap& original, const Rect& r) {
    // Stretched from the image at the window's scale (its larger source where it has one), as
    // the region is cut from it.
    const Bitmap& bitmap = resources_.AtDpi(original, Dpi());
    if (bitmap.Empty()) return;
    Rect visible = VisiblePart(r);
    if (visible.IsEmpty()) return;
    if (const BlitForm* form = resources_.StretchedForm(bitmap, r, visible))
        Blit(*form, visible.Left, visible.Top, visible.Width(), visible.Height());
}

void GdiSurface::TileBitmap(const Bitmap& original, const Rect& r) {
    const Bitmap& bitmap = resources_.AtDpi(original, Dpi());
    if (bitmap.Empty()) return;
    Rect visible = VisiblePart(r);
    if (visible.IsEmpty()) return;
    if (const BlitForm* form = resources_.TiledForm(bitmap, r, visible)) BlitRepeated(*form, visible);
}

void GdiSurface::LimitClipTo(const Rect* rects, std::size_t count) {
    // Stretched and tiled forms are cached by the part they cover: keep preparing the part of the
    // unlimited clip box, so that hover feedback reuses the full paint's forms (blits copy only
    // what lies inside the limit).
    if (!formBox_) {
        RECT clip;
        int kind = GetClipBox(dc_, &clip);
        formBox_ = (kind == ERROR || kind == NULLREGION) ? Rect{} : Rect{clip.left, clip.top, clip.right, clip.bottom};
    }
    std::size_t parts = 0;
    Rect box;
    for (std::size_t i = 0; i < count; ++i) {
        if (rects[i].IsEmpty()) continue;
        ++parts;
        box = box.IsEmpty() ? rects[i] : Bounds(box, rects[i]);
    }
    limitBox_ = limitBox_ ? Intersection(*limitBox_, box) : box;
    // One rectangle is the common case (and much the cheaper clip for GDI).
    if (parts <= 1) {
        IntersectClipRect(dc_, box.Left, box.Top, box.Right, box.Bottom);
        return;
    }
    UniqueGdiObject area(CreateRectRgn(0, 0, 0, 0));
    if (!area) return;
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& r = rects[i];
        if (r.IsEmpty()) continue;
        UniqueGdiObject piece(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        if (piece) CombineRgn(static_cast<HRGN>(area.get()), static_cast<HRGN>(area.get()),
                              static_cast<HRGN>(piece.get()), RGN_OR);
    }
    ExtSelectClipRgn(dc_, static_cast<HRGN>(area.get()), RGN_AND);  // the DC keeps a copy
}

void GdiSurface::ExcludeClipRect(const Rect& r) {
    // Clipping uses none of the pen, brush or font, and every call that does selects them
    // first: a pass that only blits bitmaps selects nothing at all.
    ::ExcludeClipRect(dc_, r.Left, r.Top, r.Right, r.Bottom);
}

}  // namespace vt
