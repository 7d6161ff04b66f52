#include "frame/ElementPainter.h"

#include "frame/ElementGeometry.h"
#include "frame/TransparentRuns.h"
#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

constexpr Colour kMarkFill = 0x000000;
constexpr Colour kMarkLine = 0x0000FF;  // red

void LoadContext(const PaintPass& pass) {
    DrawingContext& context = Drawing();
    context.WindowStyle = pass.style;
    context.Window = pass.window;
    context.IsActive = pass.active;
}

void DrawBody(const PaintPass& pass, const TUIElement& e) {
    DrawingSurface& surface = pass.surface;
    if (e.HitCode == kCodeIcon) {
        pass.icon.DrawIcon(surface, e.Rect);
        return;
    }
    if (const Bitmap* bitmap = ChooseBitmap(e, pass.active, pass.hoverHere)) {
        if (!ElementApplies(e, pass.style)) return;
        if (e.Anchor1 & kAnchorStretch) surface.StretchBitmap(*bitmap, e.Rect);
        else if (e.Anchor1 & kAnchorFill) TileBitmap(surface, e.Rect, *bitmap);
        else surface.DrawBitmap(*bitmap, e.Rect.Left, e.Rect.Top);
        return;
    }
    if (e.HitCode != kCodeClient && !e.NoImage) DrawMissingBitmapMark(surface, e.Rect);
}

void DrawCaption(const PaintPass& pass, const TUIElement& e) {
    DrawingSurface& surface = pass.surface;
    const ThemeState& theme = pass.theme;
    if (theme.SolidCaption) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(pass.active ? theme.TitleColor : theme.InactiveColor);
    } else {
        surface.SetBrushKind(BrushStyle::Clear);
    }
    surface.SetFont(pass.active ? theme.TitleFont : theme.InactiveFont);
    if (e.OnPaint) {
        ExecuteWord(e.OnPaint);
    } else if (theme.CenterCaption) {
        surface.DrawTextCentred(e.Rect, "  " + pass.caption + "  ");
    } else {
        surface.TextOutClipped(e.Rect.Left + 1, e.Rect.Top + 1, e.Rect, pass.caption);
    }
}

}  // namespace

const Bitmap* ChooseBitmap(const TUIElement& e, bool active, bool hoverHere) {
    if (!active) return e.InactiveBitmap;
    if (e.ShownDown) return e.DownBitmap;
    if (e.Hover && e.HoverBitmap && hoverHere) return e.HoverBitmap;
    return e.NormalBitmap;
}

void DrawMissingBitmapMark(DrawingSurface& surface, const Rect& r) {
    surface.SetBrushKind(BrushStyle::Solid);
    surface.SetBrushColour(kMarkFill);
    surface.FillRect(r);
    surface.SetPenColour(kMarkLine);
    const std::int32_t L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    surface.MoveTo(L, T);
    surface.LineTo(R, T);
    surface.LineTo(R, B);
    surface.LineTo(L, B);
    surface.LineTo(L, T);
    surface.LineTo(R, B);
    surface.MoveTo(R, T);
    surface.LineTo(L, B);
}

void TileBitmap(DrawingSurface& surface, const Rect& r, const Bitmap& bitmap) {
    // The surface lays the copies in one go: one blit per copy costs far too much for the small
    // tiles of a frame's sides.
    if (TileCopies(r, bitmap.Width(), bitmap.Height()).rows > 0) surface.TileBitmap(bitmap, r);
}

void PaintElement(const PaintPass& pass, TUIElement& e) {
    ComputeElementRect(e, pass.width, pass.height);
    DrawBody(pass, e);
    if (e.HitCode == kCodeCaption) DrawCaption(pass, e);
    else if (e.OnPaint) ExecuteWord(e.OnPaint);
}

void PaintElements(const PaintPass& pass) {
    LoadContext(pass);
    SurfaceScope scope(pass.surface);
    if (!pass.theme.Elements) return;
    for (std::size_t i = 0; i < pass.theme.Elements->Count(); ++i) {
        PaintElement(pass, pass.theme.Elements->At(std::ptrdiff_t(i)));
    }
}

void PaintElementPair(const PaintPass& pass, std::intptr_t first, std::intptr_t second) {
    LoadContext(pass);
    SurfaceScope scope(pass.surface);
    if (!pass.theme.Elements) return;
    const auto count = std::intptr_t(pass.theme.Elements->Count());
    for (std::intptr_t index : {first, second}) {
        if (index >= 0 && index < count) PaintElement(pass, pass.theme.Elements->At(std::ptrdiff_t(index)));
    }
}

}  // namespace vt
