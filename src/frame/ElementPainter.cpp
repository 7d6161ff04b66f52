#include "frame/ElementPainter.h"

#include <algorithm>
#include <optional>

#include "frame/CaptionLook.h"
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

// `r`: the element's rectangle on the pass's window, as its layout computed it.
void DrawBody(const PaintPass& pass, const TUIElement& e, const Rect& r) {
    DrawingSurface& surface = pass.surface;
    if (e.HitCode == kCodeIcon) {
        pass.icon.DrawIcon(surface, r);
        return;
    }
    if (const Bitmap* bitmap = ChooseBitmap(e, pass.active, pass.hoverHere, pass.pressedHere)) {
        if (!ElementApplies(e, pass.style)) return;
        if (e.Anchor1 & kAnchorStretch) surface.StretchBitmap(*bitmap, r);
        else if (e.Anchor1 & kAnchorFill) TileBitmap(surface, r, *bitmap);
        else surface.DrawBitmap(*bitmap, r.Left, r.Top);
        return;
    }
    if (e.HitCode != kCodeClient && !e.NoImage) DrawMissingBitmapMark(surface, r);
}

// The title, read from its source the first time a pass draws it.
const std::string& Title(const PaintPass& pass) {
    if (pass.titleSource) {
        pass.caption = pass.titleSource->Title();
        pass.titleSource = nullptr;
    }
    return pass.caption;
}

void DrawCaption(const PaintPass& pass, const TUIElement& e, const Rect& r) {
    DrawingSurface& surface = pass.surface;
    const ThemeState& theme = pass.theme;
    SetCaptionLook(surface, theme, pass.active);
    if (e.OnPaint) {
        pass.theme.Scripts->ExecuteWord(e.OnPaint);
        return;
    }
    const std::string& title = Title(pass);
    // A title wider than its place keeps its start and ends with "...", as the system's own
    // captions do; a centred one that does not fit starts at the caption's left edge.
    if (theme.CenterCaption) {
        const std::string padded = "  " + title + "  ";
        if (surface.TextExtent(padded).cx <= r.Width()) {
            surface.DrawTextCentred(r, padded);
            return;
        }
        surface.TextOutClipped(r.Left, r.Top, r, FitCaption(surface, title, r.Width()));
        return;
    }
    // Right-aligned text ends where left-aligned text would start, one pixel in; when it does not
    // fit it is drawn as left-aligned text is.
    const std::string text = FitCaption(surface, title, r.Width() - 1);
    std::int32_t x = r.Left + 1;
    if (theme.RightCaption && text == title) x = std::max(x, r.Right - 1 - surface.TextExtent(text).cx);
    surface.TextOutClipped(x, r.Top + 1, r, text);
}

// Where the element's drawing reaches: its rectangle, and a bitmap drawn once at its corner past
// it where the bitmap is larger (as scaled bitmaps are by a rounding pixel).
Rect DrawnExtent(const PaintPass& pass, const TUIElement& e, const Rect& r) {
    const Bitmap* bitmap =
        e.HitCode == kCodeIcon ? nullptr : ChooseBitmap(e, pass.active, pass.hoverHere, pass.pressedHere);
    if (!bitmap || (e.Anchor1 & (kAnchorStretch | kAnchorFill)) || !ElementApplies(e, pass.style)) return r;
    const Rect image{r.Left, r.Top, r.Left + ScaledSide(bitmap->Width(), pass.dpi),
                     r.Top + ScaledSide(bitmap->Height(), pass.dpi)};
    if (image.IsEmpty()) return r;
    return r.IsEmpty() ? image : Bounds(r, image);
}

// Draws the element at its rectangle: body, then caption text or OnPaint word.
void DrawElement(const PaintPass& pass, const TUIElement& e, const Rect& r) {
    DrawBody(pass, e, r);
    if (e.HitCode == kCodeCaption) DrawCaption(pass, e, r);
    else if (e.OnPaint) pass.theme.Scripts->ExecuteWord(e.OnPaint);
}

// The window the pass paints, as its layout is keyed.
LayoutWindow PassWindow(const PaintPass& pass) {
    return LayoutWindow{pass.window, pass.width, pass.height, pass.style, pass.dpi, pass.active};
}

// The pass's layout: the one it was given when that is for its window, else one of its own.
class PassLayout {
public:
    explicit PassLayout(const PaintPass& pass) {
        if (pass.layout && pass.layout->Window() == PassWindow(pass) && &pass.layout->Theme() == &pass.theme)
            layout_ = pass.layout;
        else
            layout_ = &own_.emplace(pass.theme, PassWindow(pass));
    }
    FrameLayout& operator*() const { return *layout_; }
    FrameLayout* operator->() const { return layout_; }

private:
    std::optional<FrameLayout> own_;
    FrameLayout* layout_;
};

}  // namespace

const Bitmap* ChooseBitmap(const TUIElement& e, bool active, bool hoverHere, bool pressedHere) {
    if (!active) return e.InactiveBitmap;
    if (e.ShownDown && pressedHere) return e.DownBitmap;
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

void PaintElements(const PaintPass& pass) {
    LoadContext(pass);
    SurfaceScope scope(pass.theme.Drawing, pass.surface);
    if (!pass.theme.Elements) return;
    // Every rectangle first, in order (see FrameLayout), then the drawing from the surface's first
    // pen, brush and font.
    PassLayout layout(pass);
    layout->ComputeAll();
    for (std::size_t i = 0; i < pass.theme.Elements->Count(); ++i) {
        const auto index = std::ptrdiff_t(i);
        const Rect r = layout->RectAt(index);
        DrawElement(pass, pass.theme.Elements->At(index), r);
    }
}

Rect RepaintElementArea(const PaintPass& pass, std::intptr_t first, std::intptr_t second) {
    LoadContext(pass);
    SurfaceScope scope(pass.theme.Drawing, pass.surface);
    if (!pass.theme.Elements) return {};
    ElementList& elements = *pass.theme.Elements;
    const auto count = std::intptr_t(elements.Count());
    // Every rectangle as the full paint has it: the same layout.
    PassLayout layout(pass);
    layout->ComputeAll();
    Rect area[2];
    std::size_t areas = 0;
    Rect bounds;
    for (std::intptr_t index : {first, second}) {
        if (index < 0 || index >= count) continue;
        const Rect r = DrawnExtent(pass, elements.At(index), layout->RectAt(index));
        if (r.IsEmpty()) continue;
        area[areas++] = r;
        bounds = bounds.IsEmpty() ? r : Bounds(bounds, r);
    }
    if (areas == 0) return {};
    pass.surface.LimitClipTo(area, areas);
    // Whatever lies over or under the named elements is drawn again in list order (its body,
    // caption text and OnPaint word, clipped), so the area ends exactly as a full paint leaves it.
    for (std::intptr_t i = 0; i < count; ++i) {
        const TUIElement& e = elements.At(i);
        const Rect r = layout->RectAt(i);
        const Rect drawn = DrawnExtent(pass, e, r);
        if (std::any_of(area, area + areas, [&](const Rect& a) { return Overlap(a, drawn); })) DrawElement(pass, e, r);
    }
    return bounds;
}

}  // namespace vt
