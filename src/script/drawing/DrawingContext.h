#pragma once
// The record theme scripts draw and measure through: which window the frame engine is working
// on, its style bits, whether its caption is active, the drawing surface of the current pass and
// the rectangle element scripts read and change. The drawing words of an engine share one,
// given when they are registered; the frame engine's passes load it before element scripts run,
// and `Surface` is none between passes.
//
// The words also need two things only higher layers know: an element's rectangle by index (the
// element list is the theme's) and a window's text (the platform's). Those come through the
// context's DrawingHost, which the frame engine provides; with none the words say so with an
// error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Rect.h"
#include "graphics/DrawingSurface.h"
#include "script/Definition.h"

namespace vt {

class ScriptEngine;

class DrawingHost {
public:
    // The Rect of element number `index` on the window of the running pass; throws
    // std::out_of_range (the list's index error) outside the list.
    virtual Rect ElementRect(std::ptrdiff_t index) const = 0;
    // The window's text (at most 255 characters); empty for a window without text or no window.
    virtual std::string WindowText(std::uintptr_t window) const = 0;

protected:
    ~DrawingHost() = default;
};

struct DrawingContext {
    std::uintptr_t Window = 0;          // a window handle
    DrawingSurface* Surface = nullptr;  // none between passes
    Rect CurrentRect;
    std::uint32_t WindowStyle = 0;
    bool IsActive = false;
    std::int32_t Dpi = 96;  // the display scale the window is framed at (element rectangles are scaled)
    const DrawingHost* Host = nullptr;  // none outside a frame engine or preview
};

// Makes `surface` the context's surface for one scope and sets it back to none when the scope
// ends, also on an error. A nested pass leaves it none too, as a pass must.
class SurfaceScope {
public:
    SurfaceScope(DrawingContext& context, DrawingSurface& surface) : context_(context) { context_.Surface = &surface; }
    ~SurfaceScope() { context_.Surface = nullptr; }
    SurfaceScope(const SurfaceScope&) = delete;
    SurfaceScope& operator=(const SurfaceScope&) = delete;

private:
    DrawingContext& context_;
};

// A word that draws, measures or reads through the context it was registered with.
class TDrawingWord : public TDefinition {
public:
    explicit TDrawingWord(DrawingContext& context) : context_(context) {}

protected:
    DrawingContext& context_;
};

// One window-style constant: WS_<name> holding the style mask of an element code's row.
struct StyleConstant {
    const char* name;
    std::uint32_t mask;
};

// Defines the style constants in `engine`, in the order given, each through the compiler as the
// text "<mask as unsigned decimal> CONSTANT WS_<name>", then registers the 31 drawing and window
// words in their fixed order, all working through `context`. The theme layer passes the rows of
// its element-code table (RegisterThemeScriptWords).
void RegisterDrawingWords(ScriptEngine& engine, DrawingContext& context, const StyleConstant* constants,
                          std::size_t count);

}  // namespace vt
