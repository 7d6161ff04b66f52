#pragma once
// The record of one registered window.
#include <windows.h>

#include <cstdint>

namespace vt {

struct SubclassNode {
    enum Flag : std::uint32_t {
        Active = 0x2,         // the caption is drawn active
        SizeFixed = 0x8,      // the theme's size fix-up was applied since registration
        Themed = 0x80,        // the frame is ours; unthemed records only forward system commands
        NoSizeFixup = 0x100,  // the class is in [NOSIZEFIXUPS]
        Shrunk = 0x400,       // rolled up to its caption
        OwnFrame = 0x800,     // the program draws its own frame: every message passes on
        FrameChecked = 0x1000,  // whether the program draws its own frame has been decided
        ShapeOutdated = 0x2000,  // the region waits for the window to be shown or its frame recomputed
    };

    HWND window = nullptr;
    WNDPROC previousProc = nullptr;  // may be null: the window then gets DefWindowProc
    SubclassNode* next = nullptr;    // the next older record
    std::uint32_t flags = 0;

    // Whether the window was a Unicode window when it was registered. Its procedure is then
    // replaced and called through the W entry points, so that its messages keep their Unicode
    // text instead of a round trip through the ANSI code page.
    bool unicode = false;
    SubclassNode* newer = nullptr;  // the next newer record (unlinking in constant time)
    std::uint32_t themeGeneration = 0;  // the theme switch whose frame the window has taken

    bool Has(std::uint32_t flag) const { return (flags & flag) != 0; }
};

}  // namespace vt
