#pragma once
// The program's menu bar, drawn by us inside the skinned frame: the theme's MenuBar bitmap (or
// the system menu colour) behind the items, each item in the theme's menu font, highlighted and
// disabled items as the system reports them.
#include <windows.h>

#include "common/Rect.h"
#include "frame/win32/MenuBarPainter.h"
#include "theme/ThemeState.h"

namespace vt {

class TMenuBar final : public MenuBarPainter {
public:
    explicit TMenuBar(ThemeState& theme) : theme_(theme) {}
    void PaintMenuBar(GdiSurface& surface, HMENU menu, const Rect& bar) override;

    // Draws (when `draw`) one item with its left edge at r.Left; returns its width.
    int PaintMenuItem(GdiSurface& surface, const Rect& r, HMENU menu, int position, bool draw);

private:
    ThemeState& theme_;
};

}  // namespace vt
