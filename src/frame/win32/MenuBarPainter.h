#pragma once
// The frame engine's way to the menu bar: the frame paints its elements, then asks the menus
// to draw the program's menu bar into the strip it leaves for it. The hook wires the menus'
// painter in, so that the frame never depends on the menus.
#include <windows.h>

#include "common/Rect.h"

namespace vt {

class GdiSurface;

class MenuBarPainter {
public:
    virtual ~MenuBarPainter() = default;
    // Draws the menu's bar into `bar` (window coordinates) on the frame's surface.
    virtual void PaintMenuBar(GdiSurface& surface, HMENU menu, const Rect& bar) = 0;
};

}  // namespace vt
