#pragma once
// What the window procedure reads of the process's theme on its messages: whether one is loaded
// at all, its size fix-ups, its zoom setting and its repaint message. The defaults are the
// engine with no theme: ThemeLoaded() is false, so every message passes through.
#include <windows.h>

#include <cstdint>

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

    virtual bool ThemeLoaded() const { return false; }
    virtual SizeFixups Fixups() const { return {}; }
    // Windows zoom from the pointer when they are shown.
    virtual bool WindowZoom() const { return false; }
    // "Veltrane Repaint Message" (0 until the start has registered it).
    virtual UINT RepaintMessage() const { return 0; }
};

}  // namespace vt
