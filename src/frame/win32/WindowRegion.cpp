#include "frame/win32/WindowRegion.h"

#include <algorithm>
#include <vector>

#include "common/Notice.h"
#include "frame/ElementGeometry.h"
#include "frame/TransparentRuns.h"
#include "common/win32/WindowDpi.h"
#include "frame/win32/ScriptSurface.h"
#include "graphics/ScaledPixels.h"

namespace vt {
namespace {

void Combine(HRGN into, HRGN with, int mode, unsigned beepStep) {
    if (CombineRgn(into, into, with, mode) == ERROR) PlayBeep(4000 * beepStep, 10);
}

// The rectangles [first, last) as one region (null when GDI refused it).
UniqueGdiObject RunsRegion(const std::vector<Rect>& runs, std::size_t first, std::size_t last) {
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + (last - first) * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(last - first);
    header->nRgnSize = 0;
    Rect bound = runs[first];
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = first; i < last; ++i) {
        const Rect& r = runs[i];
        rects[i - first] = RECT{r.Left, r.Top, r.Right, r.Bottom};
        bound = Rect{std::min(bound.Left, r.Left), std::min(bound.Top, r.Top), std::max(bound.Right, r.Right),
                     std::max(bound.Bottom, r.Bottom)};
    }
    header->rcBound = RECT{bound.Left, bound.Top, bound.Right, bound.Bottom};
    return UniqueGdiObject(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

// The regions joined in pairs, the pairs in pairs again, into the first: a platform may cost a
// union by the size of both sides (Wine does), so a large region joins only as often as the tree
// is deep rather than once for each smaller one. Null when GDI refused a union.
UniqueGdiObject UnionTree(std::vector<UniqueGdiObject> pieces) {
    if (pieces.empty()) return UniqueGdiObject(CreateRectRgn(0, 0, 0, 0));
    while (pieces.size() > 1) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < pieces.size(); i += 2) {
            if (i + 1 < pieces.size() &&
                CombineRgn(static_cast<HRGN>(pieces[i].get()), static_cast<HRGN>(pieces[i].get()),
                           static_cast<HRGN>(pieces[i + 1].get()), RGN_OR) == ERROR)
                return UniqueGdiObject();
            pieces[kept++] = std::move(pieces[i]);
        }
        pieces.resize(kept);
    }
    return std::move(pieces.front());
}

// The rectangles as one region. A platform may add the rectangles of one ExtCreateRegion one at
// a time, at a cost that grows with the square of their number (Wine does), so they go in small
// groups whose regions are then joined as a tree: about n (g / 2 + log2(n / g)) steps for groups
// of g, least for small g; 16 measured best under Wine (a region per group has its own cost too).
UniqueGdiObject RectsRegion(const std::vector<Rect>& rects) {
    constexpr std::size_t kGroup = 16;
    std::vector<UniqueGdiObject> pieces;
    for (std::size_t first = 0; first < rects.size(); first += kGroup) {
        UniqueGdiObject piece = RunsRegion(rects, first, std::min(rects.size(), first + kGroup));
        if (!piece) return UniqueGdiObject();
        pieces.push_back(std::move(piece));
    }
    return UnionTree(std::move(pieces));
}

}  // namespace

UniqueGdiObject ElementShape(const Bitmap& image, const Rect& rect, const Rect& visible, std::uint8_t drawingMode) {
    const Rect part = Intersection(rect, visible);
    if (!image.Transparent() || image.Empty() || part.IsEmpty())
        return UniqueGdiObject(CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom));
    // The opaque runs of the visible part, in window coordinates, and the rest of the rectangle
    // (outside the window) whole: a region built from what stays, with no cut to subtract.
    std::vector<Rect> kept = OpaqueRuns(MakeWorkImage(image, rect, part, drawingMode), image.TransparentColor());
    for (Rect& r : kept) r = Rect{r.Left + part.Left, r.Top + part.Top, r.Right + part.Left, r.Bottom + part.Top};
    for (const Rect& outside : {Rect{rect.Left, rect.Top, rect.Right, part.Top}, Rect{rect.Left, part.Top, part.Left, part.Bottom},
                                Rect{part.Right, part.Top, rect.Right, part.Bottom}, Rect{rect.Left, part.Bottom, rect.Right, rect.Bottom}}) {
        if (!outside.IsEmpty()) kept.push_back(outside);
    }
    return RectsRegion(kept);
}

UniqueGdiObject BuildRegion(FrameLayout& layout, GdiResources& resources, HWND window, bool shrunk, bool calcScripts) {
    ThemeState& theme = layout.Theme();
    UniqueGdiObject region(CreateRectRgn(0, 0, 0, 0));
    if (!region || !theme.Elements) return region;
    HRGN shape = static_cast<HRGN>(region.get());
    const LayoutWindow& on = layout.Window();
    const std::int32_t W = on.width, H = on.height, dpi = on.dpi;
    const std::uint32_t style = on.style;
    const Rect visible{0, 0, W, H};

    ScriptSurface scripts(theme.Drawing, calcScripts, resources, window, style, dpi);

    // The elements' regions are joined as a tree (see UnionTree) between EXCLUDE elements, which
    // take their part out of what the elements before them made.
    std::vector<UniqueGdiObject> pending;
    auto joinPending = [&] {
        UniqueGdiObject joined = UnionTree(std::move(pending));
        pending.clear();
        if (joined) Combine(shape, static_cast<HRGN>(joined.get()), RGN_OR, 1);
    };
    for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
        TUIElement& e = theme.Elements->At(std::ptrdiff_t(i));
        const bool isClient = e.HitCode == kCodeClient, isExclude = e.HitCode == kCodeExclude;
        if (e.NoImage && !isClient && !isExclude) continue;
        if (!ElementApplies(e, style)) continue;
        const Rect r = layout.RectAt(std::ptrdiff_t(i));  // a failing OnCalcRect ends the build
        // A broken image or a refused combination costs this element's part only.
        try {
            UniqueGdiObject piece;
            if (theme.AutoExclude && e.NormalBitmap && !e.NormalBitmap->Empty() && e.NormalBitmap->Transparent())
                piece = ElementShape(resources.AtDpi(*e.NormalBitmap, dpi), r, visible, e.Anchor1);
            // Without its shape (GDI refused it) the element keeps its whole rectangle.
            if (!piece) piece.reset(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
            if (!piece) continue;
            if (isExclude) {
                joinPending();
                Combine(shape, static_cast<HRGN>(piece.get()), RGN_DIFF, 2);
            } else {
                pending.push_back(std::move(piece));
            }
        } catch (const std::exception&) {
        }
    }
    joinPending();
    if (theme.ShrinkElement && shrunk) {
        ComputeElementRect(theme, *theme.ShrinkElement, W, H, dpi);
        const Rect& r = theme.ShrinkElement->Rect;
        UniqueGdiObject cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        if (cut) CombineRgn(shape, shape, static_cast<HRGN>(cut.get()), RGN_AND);
    }
    return region;
}

UniqueGdiObject BuildRegion(ThemeState& theme, GdiResources& resources, HWND window, std::uint32_t style,
                            bool shrunk, bool calcScripts, std::int32_t dpi) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    FrameLayout layout(theme, LayoutWindow{reinterpret_cast<std::uintptr_t>(window), windowRect.right - windowRect.left,
                                           windowRect.bottom - windowRect.top, style, dpi ? dpi : WindowDpi(window), true});
    return BuildRegion(layout, resources, window, shrunk, calcScripts);
}

}  // namespace vt
