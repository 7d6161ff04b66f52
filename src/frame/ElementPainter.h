#pragma once
// Paints a theme's elements onto a drawing surface: each element with the bitmap of its state,
// stretched, tiled or once, the missing-bitmap mark where a state has none, the caption text
// and the elements' OnPaint words. The platform's part (device context, window text, icon) is
// the caller's; see FramePainter in win32/.
#include <cstdint>
#include <string>

#include "common/Dpi.h"
#include "common/Rect.h"
#include "frame/FrameLayout.h"
#include "graphics/DrawingSurface.h"
#include "theme/ThemeState.h"
#include "theme/model/ElementCode.h"
#include "theme/model/TUIElement.h"

namespace vt {

// What only the window's platform side can draw.
class WindowIconPainter {
public:
    virtual ~WindowIconPainter() = default;
    // The window's large icon scaled into r; nothing when it has none.
    virtual void DrawIcon(DrawingSurface& surface, const Rect& r) = 0;
};

// The window's title, where only the platform side can read it.
class WindowTitleSource {
public:
    virtual ~WindowTitleSource() = default;
    virtual std::string Title() = 0;
};

// One painting pass over one window.
struct PaintPass {
    ThemeState& theme;
    DrawingSurface& surface;
    WindowIconPainter& icon;
    std::uintptr_t window = 0;  // for the drawing context
    std::int32_t width = 0;     // of the window rectangle
    std::int32_t height = 0;
    std::uint32_t style = 0;    // GWL_STYLE
    bool active = false;
    bool hoverHere = false;     // this window is the shared hover window
    // The title. Where `titleSource` is set, it is read from there the first time the pass draws
    // it (a repaint of a button seldom does, and reading it is a message to the window).
    mutable std::string caption;
    std::int32_t dpi = kBaseDpi;  // the display scale the window is framed at
    mutable WindowTitleSource* titleSource = nullptr;
    // The rectangles of the window (the message's, already computed in part); none, or one for
    // another window: the pass makes its own.
    FrameLayout* layout = nullptr;
    // This window holds the process's press: the pressed look is shown only where the button
    // went down (another window of the process may draw an active frame too).
    bool pressedHere = true;
};

// The bitmap an element shows in a state (null: none in that state). Inactive windows show the
// inactive bitmap, a pressed element of the window that holds the press its down bitmap, a
// hovered element of the hover window its hover bitmap, anything else the normal one.
const Bitmap* ChooseBitmap(const TUIElement& element, bool active, bool hoverHere, bool pressedHere = true);

// The mark of a state without a bitmap: a black box with a red outline and both diagonals.
void DrawMissingBitmapMark(DrawingSurface& surface, const Rect& r);

// Copies of the bitmap from r's top-left corner, rows + 1 by columns + 1, clipped to r (and to
// whatever clipping was in force before, which stays: the client area remains excluded).
void TileBitmap(DrawingSurface& surface, const Rect& r, const Bitmap& bitmap);

// Loads the drawing context for the pass (style, window, surface, active), computes every
// element's rectangle in list order (FrameLayout), paints every element in list order, and leaves
// the context's surface none, also on an error.
void PaintElements(const PaintPass& pass);

// Hover and press feedback: repaints the area of the elements of the two indexes (one outside the
// list, such as -1, is skipped) exactly as a full paint of the same state leaves it. The rectangles
// are the same layout's; the surface is limited to theirs, and every element that meets them is
// drawn again in list order (with its caption text and OnPaint word, which draw within their
// element's rectangle); the drawing context is loaded as PaintElements does. Returns
// the bounds of the area (empty: nothing was drawn), so that the caller can redraw what it paints
// after the elements (the menu bar) where the area reaches it.
Rect RepaintElementArea(const PaintPass& pass, std::intptr_t first, std::intptr_t second);

// A title that fits in `width` pixels of the surface's current font, or its longest start that
// fits with "..." after it.
std::string FitCaption(DrawingSurface& surface, const std::string& text, std::int32_t width);

}  // namespace vt
