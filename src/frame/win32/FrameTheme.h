#pragma once
// What the window procedure reads of the process's theme on its messages: whether one is loaded
// at all, its size fix-ups, its zoom setting and its repaint message. The defaults are the
// engine with no theme: ThemeLoaded() is false, so every message passes through.
#include <windows.h>

#include <cstdint>

#include "frame/win32/ThemeView.h"

namespace vt {

// The theme's size fix-ups: what the frame adds to a client size to give the window size.
struct SizeFixups {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t menu = 0;  // added to the height of a window whose menu has items
};

class FrameTheme {
public:
    virtual ~FrameTheme() = default;

    // False: every message passes through.
    virtual bool ThemeLoaded() const = 0;
    virtual SizeFixups Fixups(ThemeView& view) const = 0;
    // Windows zoom from the pointer when they are shown.
    virtual bool WindowZoom(ThemeView& view) const = 0;
    // "Veltrane Repaint Message" (0 until the start has registered it).
    virtual UINT RepaintMessage() const = 0;
};

}  // namespace vt
