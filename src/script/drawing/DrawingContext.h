#pragma once
// The record theme scripts draw and measure through: which window the frame engine is working
// on, its style bits, whether its caption is active, the drawing surface of the current pass and
// the rectangle element scripts read and change. One per process; the frame engine's passes
// load it before element scripts run, and `Surface` is none between passes.
//
// The words also need two things only higher layers know: an element's rectangle by index (the
// element list is the theme's) and a window's text (the platform's). Those come through
// DrawingHost, which the frame engine fills in; with none set the words say so with an error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Rect.h"
#include "graphics/DrawingSurface.h"

namespace vt {

struct DrawingContext {
    std::uintptr_t Window = 0;          // a window handle
    DrawingSurface* Surface = nullptr;  // none between passes
    Rect CurrentRect;
    std::uint32_t WindowStyle = 0;
    bool IsActive = false;
    std::int32_t Dpi = 96;  // the display scale the window is framed at (element rectangles are scaled)
};

// The process's drawing context (all zero, none or false until a pass loads it).
DrawingContext& Drawing();

struct DrawingHost {
    // The Rect of element number `index` as last computed; throws std::out_of_range (the list's
    // index error) outside the list.
    Rect (*elementRect)(std::ptrdiff_t index) = nullptr;
    // The window's text (at most 255 characters); empty for a window without text or no window.
    std::string (*windowText)(std::uintptr_t window) = nullptr;
};

// Installs what the words need of the layers above (a copy is kept).
void SetDrawingHost(const DrawingHost& host);
const DrawingHost& CurrentDrawingHost();

// Makes `surface` the context's surface for one scope and sets it back to none when the scope
// ends, also on an error. A nested pass leaves it none too, as a pass must.
class SurfaceScope {
public:
    explicit SurfaceScope(DrawingSurface& surface) { Drawing().Surface = &surface; }
    ~SurfaceScope() { Drawing().Surface = nullptr; }
    SurfaceScope(const SurfaceScope&) = delete;
    SurfaceScope& operator=(const SurfaceScope&) = delete;
};

// One window-style constant: WS_<name> holding the style mask of an element code's row.
struct StyleConstant {
    const char* name;
    std::uint32_t mask;
};

// Defines the style constants, in the order given, each through the compiler as the text
// "<mask as unsigned decimal> CONSTANT WS_<name>", then registers the 31 drawing and window
// words in their fixed order. Needs a running engine. The theme layer passes the rows of its
// element-code table (RegisterThemeScriptWords).
void RegisterDrawingWords(const StyleConstant* constants, std::size_t count);

}  // namespace vt
