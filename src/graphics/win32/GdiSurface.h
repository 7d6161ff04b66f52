#pragma once
// The drawing surface on a Win32 device context: draws straight onto it (no double buffering),
// with the theme's bitmaps and fonts from a GdiResources cache. One surface lives for one pass;
// it does not own the DC, and when it ends it gives the DC back its own pen, brush, font, text
// colours and clipping, so the DC can be released as it came.
#include <windows.h>

#include <optional>

#include "common/win32/UniqueHandle.h"
#include "graphics/DrawingSurface.h"
#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiResources.h"

namespace vt {

class GdiSurface final : public DrawingSurface {
public:
    GdiSurface(HDC dc, GdiResources& resources);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    // The DC with the current font, pen and brush selected, the text colour set to the font's and
    // the background opaque in the brush colour (solid brush) or transparent (clear brush). Call it
    // right before handing the DC to any platform call (DrawIconEx, DrawTextA, clip calls).
    HDC PreparedDc();

    void FillRect(const Rect& r) override;
    void Rectangle(const Rect& r) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void SetPixel(std::int32_t x, std::int32_t y, Colour c) override;
    Colour GetPixel(std::int32_t x, std::int32_t y) override;
    TextSize TextExtent(const std::string& text) override;
    void TextOutClipped(std::int32_t x, std::int32_t y, const Rect& clip, const std::string& text) override;
    void DrawTextCentred(const Rect& r, const std::string& text) override;
    void DrawBitmap(const Bitmap& bitmap, std::int32_t x, std::int32_t y) override;
    void StretchBitmap(const Bitmap& bitmap, const Rect& r) override;
    void TileBitmap(const Bitmap& bitmap, const Rect& r) override;
    void ExcludeClipRect(const Rect& r) override;
    void LimitClipTo(const Rect* rects, std::size_t count) override;

private:
    HPEN CurrentPen();
    HBRUSH CurrentBrush();  // null for a clear brush
    // Copies w x h of the form to (x, y) 1:1, leaving the destination alone under its mask.
    void Blit(const BlitForm& form, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
    // Copies of the form laid side by side from area's top-left corner over the area (one copy
    // when the form is as large as the area).
    void BlitRepeated(const BlitForm& form, const Rect& area);
    // The part of r that can show (within the clip box); empty when nothing can.
    Rect VisiblePart(const Rect& r) const;
    void Remember(HGDIOBJ previous, HGDIOBJ& original);

    HDC dc_;
    GdiResources& resources_;

    // The last pen and brush made, kept while their colour stays current.
    UniqueGdiObject pen_;
    COLORREF penRgb_ = 0;
    UniqueGdiObject brush_;
    COLORREF brushRgb_ = 0;

    // What the DC held before the first PreparedDc, put back when the surface ends.
    bool prepared_ = false;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    COLORREF originalTextColour_ = 0;
    COLORREF originalBackColour_ = 0;
    int originalBackMode_ = 0;


    // The clip box before LimitClipTo: what stretched and tiled forms are made for.
    std::optional<Rect> formBox_;
    // The bounds of the limit: blits copy no more than this.
    std::optional<Rect> limitBox_;

};

}  // namespace vt
