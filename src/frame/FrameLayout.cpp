#include "frame/FrameLayout.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "frame/CaptionLook.h"
#include "frame/ElementGeometry.h"
#include "script/drawing/DrawingContext.h"

namespace vt {

Rect FrameLayout::RectAt(std::ptrdiff_t index) {
    if (!theme_.Elements || index < 0 || std::size_t(index) >= theme_.Elements->Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    ComputeUpTo(std::size_t(index) + 1);
    return theme_.Elements->At(index).Rect;
}

void FrameLayout::ComputeAll() {
    if (theme_.Elements) ComputeUpTo(theme_.Elements->Count());
}

ElementList* FrameLayout::WalkAll() {
    ComputeAll();
    return theme_.Elements.get();
}

Rect FrameLayout::ClientRect(bool hasMenuBar) {
    Rect result;
    for (std::size_t i = 0; theme_.Elements && i < theme_.Elements->Count(); ++i) {
        const TUIElement& element = theme_.Elements->At(std::ptrdiff_t(i));
        if (element.HitCode != kCodeClient || !ElementApplies(element, window_.style)) continue;
        result = RectAt(std::ptrdiff_t(i));
        break;
    }
    if (hasMenuBar && (window_.style & kStyleChild) == 0) result.Top += MenuBarHeight(theme_, window_.dpi);
    return result;
}

Rect FrameLayout::MenuBarRect() {
    Rect bar = ClientRect(false);
    bar.Bottom = bar.Top + MenuBarHeight(theme_, window_.dpi);
    return bar;
}

void FrameLayout::ComputeUpTo(std::size_t count) {
    if (!theme_.Elements) return;
    ElementList& elements = *theme_.Elements;
    DrawingContext& context = theme_.Drawing;
    std::optional<SurfaceLookKept> kept;
    for (;;) {
        LayoutMark& mark = elements.Mark();
        if (mark.layout != number_ || number_ == 0 || !(mark.window == window_)) {
            // Never computed, or the elements hold another layout's rectangles now: all again.
            number_ = elements.NewLayoutNumber();
            mark = LayoutMark{number_, window_, 0};
            captionSeen_ = false;
        }
        if (mark.computed >= std::min(count, elements.Count())) return;
        TUIElement& element = elements.At(std::ptrdiff_t(mark.computed));
        if (element.OnCalcRect) {
            context.Window = window_.window;
            context.WindowStyle = window_.style;
            context.Dpi = window_.dpi;
            // The surface takes the caption's look only for words (an element without one is
            // its anchored rectangle), and gets its own back when the layout is done.
            if (context.Surface && captionSeen_ && !kept) {
                kept.emplace(*context.Surface);
                SetCaptionLook(*context.Surface, theme_, window_.active);
            }
        }
        ComputeElementRect(theme_, element, window_.width, window_.height, window_.dpi);
        // The word may have run a pass of its own (a message it caused): then the loop sees the
        // mark gone and starts again.
        if (elements.Mark().layout != number_) continue;
        ++mark.computed;
        if (element.HitCode == kCodeCaption) {
            captionSeen_ = true;
            if (kept && context.Surface) SetCaptionLook(*context.Surface, theme_, window_.active);
        }
    }
}

Rect ElementRectForScripts(const ThemeState& theme, std::ptrdiff_t index) {
    if (!theme.Elements) throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    const TUIElement& element = theme.Elements->At(index);
    const LayoutMark& mark = theme.Elements->Mark();
    if (std::size_t(index) < mark.computed) return element.Rect;
    return AnchoredRect(element, mark.window.width, mark.window.height, mark.window.dpi);
}

}  // namespace vt
