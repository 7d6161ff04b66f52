#pragma once
// The program's menu bar, drawn by us inside the skinned frame: the theme's MenuBar bitmap (or
// the system menu colour) behind the items, each item in the theme's menu font, highlighted and
// disabled items as the system reports them. Items lie on one line from the bar's left edge.
#include <windows.h>

#include <string>

#include "common/Rect.h"
#include "theme/ThemeState.h"

namespace vt {

class GdiSurface;

// One bar item as it is drawn and measured: its text ("&" markers included) and its state.
struct MenuItem {
    std::string text;
    UINT state = 0;  // GetMenuState's bits: MF_GRAYED, MF_DISABLED, MF_HILITE count
};

MenuItem DescribeMenuItem(HMENU menu, int position);
// Whether the item cannot be opened (disabled or greyed).
bool ItemDisabled(UINT state);

class TMenuBar {
public:
    explicit TMenuBar(ThemeState& theme) : theme_(theme) {}
    // Draws the menu's bar into `bar` (window coordinates).
    void PaintMenuBar(GdiSurface& surface, HMENU menu, const Rect& bar);
    // Draws (when `draw`) the item with its text's left edge at r.Left; returns its width.
    int PaintMenuItem(GdiSurface& surface, const Rect& r, const MenuItem& item, bool draw);

private:
    ThemeState& theme_;
};

}  // namespace vt
