#pragma once
// Where a theme's elements lie on one window, for one pass over it (one message of the module,
// one picture of a tool). The rectangles are computed in list order, each element's OnCalcRect
// word run once, as far down the list as a reader has asked, and kept in the elements' Rect
// fields. From the first caption on, the caption's brush and font are on the drawing surface
// while the words run, where a full paint has them, so that a word measuring text measures it
// as the painted caption is; the surface's own look is put back afterwards.
//
// Every reader of a rectangle (the hit test, the painters, the window's shape, the engine's
// measurements, the drawing words) takes it from the layout of the window at hand. The element
// list remembers which layout its rectangles come from (LayoutMark): when another has computed
// since (a pass over another window, or another size, nested in this one), the layout computes
// its own again before it answers, so that no reader ever gets another window's rectangle.
#include <cstddef>
#include <cstdint>

#include "common/Rect.h"
#include "theme/model/ElementList.h"
#include "theme/ThemeState.h"

namespace vt {

class FrameLayout {
public:
    // Nothing is computed yet. The theme outlives the layout; it may have no element list.
    FrameLayout(ThemeState& theme, const LayoutWindow& window) : theme_(theme), window_(window) {}

    const LayoutWindow& Window() const { return window_; }
    ThemeState& Theme() const { return theme_; }

    // The rectangle of the element at `index` of the theme's list (std::out_of_range outside
    // it), computed first with every element before it. A failing word's error goes to the caller.
    Rect RectAt(std::ptrdiff_t index);
    // Every element's rectangle (a paint reads them all).
    void ComputeAll();
    // Every element's rectangle computed, and the list whose Rect fields now hold them (null: no
    // list): for a reader that walks them all with no word running in between, which would be
    // free to compute another layout.
    ElementList* WalkAll();
    // Makes the list's rectangles this layout's without computing more, so that the words about
    // to run (idle, hover) read this window's (see ElementRectForScripts).
    void Claim() { ComputeUpTo(0); }
    // The first CLIENT element that applies to the style (all zero when none does), its top
    // moved down by the menu bar strip when `hasMenuBar` (never for a child window).
    Rect ClientRect(bool hasMenuBar);
    // The menu bar strip: the top of the client rectangle without a menu bar, as high as
    // MenuBarHeight.
    Rect MenuBarRect();

private:
    void ComputeUpTo(std::size_t count);

    ThemeState& theme_;
    LayoutWindow window_;
    std::uint64_t number_ = 0;  // this layout's number in the list's mark (0: none yet)
    bool captionSeen_ = false;  // a caption is among the elements computed so far
};

// A drawing word's read of element `index`'s rectangle (RECTTOP and friends): as the layout of
// the running pass computed it, or, for an element that layout has not reached, its anchored
// rectangle on that window (no word runs inside another). std::out_of_range outside the list.
Rect ElementRectForScripts(const ThemeState& theme, std::ptrdiff_t index);

}  // namespace vt
