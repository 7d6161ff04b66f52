#include "frame/win32/WindowRegion.h"

#include <algorithm>
#include <cstring>
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

// The runs [first, last) as one region (null when GDI refused it).
UniqueGdiObject RunsRegion(const std::vector<Rect>& runs, std::size_t first, std::size_t last, const Rect& bound) {
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + (last - first) * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(last - first);
    header->nRgnSize = 0;
    header->rcBound = RECT{0, 0, bound.Width(), bound.Height()};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = first; i < last; ++i) rects[i - first] = RECT{runs[i].Left, runs[i].Top, runs[i].Right, runs[i].Bottom};
    return UniqueGdiObject(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

// The runs as one region. A platform may add the rectangles of one ExtCreateRegion one at a
// time, at a cost that grows with the square of their number (Wine does), so they go in groups
// whose regions are then joined in pairs.
UniqueGdiObject CutRegion(const std::vector<Rect>& runs, const Rect& bound) {
    constexpr std::size_t kGroup = 64;
    std::vector<UniqueGdiObject> pieces;
    for (std::size_t first = 0; first < runs.size(); first += kGroup) {
        UniqueGdiObject piece = RunsRegion(runs, first, std::min(runs.size(), first + kGroup), bound);
        if (!piece) return UniqueGdiObject();
        pieces.push_back(std::move(piece));
    }
    while (pieces.size() > 1) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < pieces.size(); i += 2) {
            if (i + 1 < pieces.size()) {
                CombineRgn(static_cast<HRGN>(pieces[i].get()), static_cast<HRGN>(pieces[i].get()),
                           static_cast<HRGN>(pieces[i + 1].get()), RGN_OR);
            }
            pieces[kept++] = std::move(pieces[i]);
        }
        pieces.resize(kept);
    }
    return std::move(pieces.front());
}

}  // namespace

void TransparentCut(const Bitmap& image, const Rect& rect, const Rect& visible, HRGN elementRegion,
                    std::uint8_t drawingMode) {
    if (!image.Transparent() || image.Empty()) return;
    Rect part = Intersection(rect, visible);
    if (part.IsEmpty()) return;
    const Colour key = image.TransparentColor();
    std::vector<Rect> runs = TransparentRuns(MakeWorkImage(image, rect, part, drawingMode), key);
    if (runs.empty()) return;
    UniqueGdiObject cut = CutRegion(runs, part);
    if (!cut) return;  // the element keeps its whole rectangle
    HRGN runsRegion = static_cast<HRGN>(cut.get());
    OffsetRgn(runsRegion, part.Left, part.Top);
    Combine(elementRegion, runsRegion, RGN_OR, 1);
    Combine(elementRegion, runsRegion, RGN_XOR, 2);
}

UniqueGdiObject BuildRegion(ThemeState& theme, GdiResources& resources, HWND window, std::uint32_t style,
                            bool shrunk, bool calcScripts, std::int32_t dpi) {
    UniqueGdiObject region(CreateRectRgn(0, 0, 0, 0));
    if (!region || !theme.Elements) return region;
    HRGN shape = static_cast<HRGN>(region.get());
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    const std::int32_t W = windowRect.right - windowRect.left, H = windowRect.bottom - windowRect.top;
    const Rect visible{0, 0, W, H};
    if (dpi == 0) dpi = WindowDpi(window);

    ScriptSurface scripts(theme.Drawing, calcScripts, resources, window, style, dpi);

    for (std::size_t i = 0; i < theme.Elements->Count(); ++i) {
        TUIElement& e = theme.Elements->At(std::ptrdiff_t(i));
        const bool isClient = e.HitCode == kCodeClient, isExclude = e.HitCode == kCodeExclude;
        if (e.NoImage && !isClient && !isExclude) continue;
        if (!ElementApplies(e, style)) continue;
        ComputeElementRect(theme, e, W, H, dpi);  // a failing OnCalcRect ends the build
        UniqueGdiObject piece(CreateRectRgn(e.Rect.Left, e.Rect.Top, e.Rect.Right, e.Rect.Bottom));
        if (!piece) continue;
        HRGN pieceRegion = static_cast<HRGN>(piece.get());
        // A broken image or a refused combination costs this element's part only.
        try {
            if (theme.AutoExclude && e.NormalBitmap && !e.NormalBitmap->Empty() && e.NormalBitmap->Transparent()) {
                TransparentCut(resources.AtDpi(*e.NormalBitmap, dpi), e.Rect, visible, pieceRegion, e.Anchor1);
            }
            if (isExclude) {
                CombineRgn(shape, shape, pieceRegion, RGN_OR);
                CombineRgn(shape, shape, pieceRegion, RGN_XOR);
            } else {
                CombineRgn(shape, shape, pieceRegion, RGN_OR);
            }
        } catch (const std::exception&) {
        }
    }
    if (theme.ShrinkElement && shrunk) {
        ComputeElementRect(theme, *theme.ShrinkElement, W, H, dpi);
        const Rect& r = theme.ShrinkElement->Rect;
        UniqueGdiObject cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        if (cut) CombineRgn(shape, shape, static_cast<HRGN>(cut.get()), RGN_AND);
    }
    return region;
}

}  // namespace vt
