#include "frame/ElementPainter.h"

#include <algorithm>

#include "frame/ElementGeometry.h"
#include "frame/TransparentRuns.h"
#include "graphics/DpiScaling.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

constexpr Colour kMarkFill = 0x000000;
constexpr Colour kMarkLine = 0x0000FF;  // red

void LoadContext(const PaintPass& pass) {
    DrawingContext& context = pass.theme.Drawing;
    context.WindowStyle = pass.style;
    context.Window = pass.window;
    context.IsActive = pass.active;
    context.Dpi = pass.dpi;
    pass.surface.SetDpi(pass.dpi);
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

// The caption's brush and font, which its text and its words draw with (and which later scripts
// find on the surface: a theme may measure text in the caption font that way).
void PrepareCaption(const PaintPass& pass) {
    DrawingSurface& surface = pass.surface;
    const ThemeState& theme = pass.theme;
    if (theme.SolidCaption) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(pass.active ? theme.TitleColor : theme.InactiveColor);
    } else {
        surface.SetBrushKind(BrushStyle::Clear);
    }
    surface.SetFont(pass.active ? theme.TitleFont : theme.InactiveFont);
}

const std::string& Title(const PaintPass& pass) {
    if (pass.titleSource) {
        pass.caption = pass.titleSource->Title();
        pass.titleSource = nullptr;
    }
    return pass.caption;
}

void DrawCaption(const PaintPass& pass, const TUIElement& e) {
    DrawingSurface& surface = pass.surface;
    const ThemeState& theme = pass.theme;
    PrepareCaption(pass);
    if (e.OnPaint) {
        pass.theme.Scripts->ExecuteWord(e.OnPaint);
        return;
    }
    const std::string& title = Title(pass);
    // A title wider than its place keeps its start and ends with "...", as the system's own
    // captions do; a centred one that does not fit starts at the caption's left edge.
    if (theme.CenterCaption) {
        const std::string padded = "  " + title + "  ";
        if (surface.TextExtent(padded).cx <= e.Rect.Width()) {
            surface.DrawTextCentred(e.Rect, padded);
            return;
        }
        surface.TextOutClipped(e.Rect.Left, e.Rect.Top, e.Rect,
                               FitCaption(surface, title, e.Rect.Width()));
        return;
    }
    // Right-aligned text ends where left-aligned text would start, one pixel in; when it does not
    // fit it is drawn as left-aligned text is.
    const std::string text = FitCaption(surface, title, e.Rect.Width() - 1);
    std::int32_t x = e.Rect.Left + 1;
    if (theme.RightCaption && text == title) x = std::max(x, e.Rect.Right - 1 - surface.TextExtent(text).cx);
    surface.TextOutClipped(x, e.Rect.Top + 1, e.Rect, text);
}

// Where the element's drawing reaches: its rectangle, and a bitmap drawn once at its corner past
// it where the bitmap is larger (as scaled bitmaps are by a rounding pixel).
Rect DrawnExtent(const PaintPass& pass, const TUIElement& e) {
    const Bitmap* bitmap = e.HitCode == kCodeIcon ? nullptr : ChooseBitmap(e, pass.active, pass.hoverHere);
    if (!bitmap || (e.Anchor1 & (kAnchorStretch | kAnchorFill)) || !ElementApplies(e, pass.style)) return e.Rect;
    const Rect image{e.Rect.Left, e.Rect.Top, e.Rect.Left + ScaledSide(bitmap->Width(), pass.dpi),
                     e.Rect.Top + ScaledSide(bitmap->Height(), pass.dpi)};
    if (image.IsEmpty()) return e.Rect;
    return e.Rect.IsEmpty() ? image : Bounds(e.Rect, image);
}

// Draws the element at the rectangle it already has: body, then caption text or OnPaint word.
void DrawElement(const PaintPass& pass, TUIElement& e) {
    DrawBody(pass, e);
    if (e.HitCode == kCodeCaption) DrawCaption(pass, e);
    else if (e.OnPaint) pass.theme.Scripts->ExecuteWord(e.OnPaint);
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

std::string FitCaption(DrawingSurface& surface, const std::string& text, std::int32_t width) {
    static const std::string kEllipsis = "...";
    if (surface.TextExtent(text).cx <= width) return text;
    // The longest start that fits with the ellipsis after it (widths grow with the length).
    std::size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t mid = fits + (tooLong - fits) / 2;
        if (surface.TextExtent(text.substr(0, mid) + kEllipsis).cx <= width) fits = mid;
        else tooLong = mid;
    }
    std::size_t end = fits;
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end) + kEllipsis;
}

void PaintElement(const PaintPass& pass, TUIElement& e) {
    ComputeElementRect(pass.theme, e, pass.width, pass.height, pass.dpi);
    DrawElement(pass, e);
}

void PaintElements(const PaintPass& pass) {
    LoadContext(pass);
    SurfaceScope scope(pass.theme.Drawing, pass.surface);
    if (!pass.theme.Elements) return;
    for (std::size_t i = 0; i < pass.theme.Elements->Count(); ++i) {
        PaintElement(pass, pass.theme.Elements->At(std::ptrdiff_t(i)));
    }
}

Rect RepaintElementArea(const PaintPass& pass, std::intptr_t first, std::intptr_t second) {
    LoadContext(pass);
    SurfaceScope scope(pass.theme.Drawing, pass.surface);
    if (!pass.theme.Elements) return {};
    ElementList& elements = *pass.theme.Elements;
    const auto count = std::intptr_t(elements.Count());
    // Every rectangle as the full paint would have it: OnCalcRect words run once each, in order,
    // with the caption font and brush on the surface where a caption before them left them. The
    // drawing below then starts from the surface's first pen, brush and font, as a full paint does.
    DrawingSurface& surface = pass.surface;
    const Colour pen = surface.PenColour(), brush = surface.BrushColour();
    const BrushStyle brushKind = surface.BrushKind();
    const Font font = surface.CurrentFont();
    for (std::intptr_t i = 0; i < count; ++i) {
        TUIElement& e = elements.At(i);
        ComputeElementRect(pass.theme, e, pass.width, pass.height, pass.dpi);
        if (e.HitCode == kCodeCaption) PrepareCaption(pass);
    }
    surface.SetPenColour(pen);
    surface.SetBrushColour(brush);
    surface.SetBrushKind(brushKind);
    surface.SetFont(font);
    Rect area[2];
    std::size_t areas = 0;
    Rect bounds;
    for (std::intptr_t index : {first, second}) {
        if (index < 0 || index >= count) continue;
        const Rect r = DrawnExtent(pass, elements.At(index));
        if (r.IsEmpty()) continue;
        area[areas++] = r;
        bounds = bounds.IsEmpty() ? r : Bounds(bounds, r);
    }
    if (areas == 0) return {};
    pass.surface.LimitClipTo(area, areas);
    // Whatever lies over or under the named elements is drawn again in list order (its body,
    // caption text and OnPaint word, clipped), so the area ends exactly as a full paint leaves it.
    for (std::intptr_t i = 0; i < count; ++i) {
        TUIElement& e = elements.At(i);
        const Rect drawn = DrawnExtent(pass, e);
        if (std::any_of(area, area + areas, [&](const Rect& r) { return Overlap(r, drawn); })) DrawElement(pass, e);
    }
    return bounds;
}

}  // namespace vt
