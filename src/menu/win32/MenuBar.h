#pragma once
// The program's menu bar, drawn by us inside the skinned frame: the theme's MenuBar bitmap (or
// the system menu colour) behind the items, each text item in the theme's menu font, highlighted
// and disabled items as the system reports them. Bitmap items (a maximised MDI document's icon and
// its minimise, restore and close buttons, or a program's own bitmap) are drawn as the system
// draws them, as high as the menu font; owner-drawn items are measured and drawn by the program
// (WM_MEASUREITEM, WM_DRAWITEM), as on its own bar. Items lie on one line (MenuBarLayout).
#include <windows.h>

#include <string>
#include <vector>

#include "common/Rect.h"
#include "theme/ThemeState.h"

namespace vt {

class GdiSurface;

// One bar item as it is drawn and measured.
struct MenuItem {
    std::string text;   // "&" markers included; empty for a bitmap item
    UINT state = 0;     // GetMenuState's bits: MF_GRAYED, MF_DISABLED, MF_HILITE count
    UINT type = 0;      // MFT_BITMAP, MFT_RIGHTJUSTIFY, ...
    HBITMAP bitmap = nullptr;  // a bitmap item's picture: a bitmap or one of the HBMMENU_ values
    ULONG_PTR data = 0;        // the item's data (HBMMENU_SYSTEM: the window whose icon it shows)
    UINT id = 0;

    bool IsOwnerDrawn() const { return (type & MFT_OWNERDRAW) != 0; }
    bool IsBitmap() const { return !IsOwnerDrawn() && ((type & MFT_BITMAP) != 0 || (text.empty() && bitmap)); }
    bool IsText() const { return !IsOwnerDrawn() && !IsBitmap(); }
};

MenuItem DescribeMenuItem(HMENU menu, int position);
// Whether the item cannot be opened (disabled or greyed).
bool ItemDisabled(UINT state);

// A bar item and the slot it lies in (window coordinates).
struct PlacedItem {
    MenuItem item;
    Rect slot;
};

class TMenuBar {
public:
    explicit TMenuBar(ThemeState& theme) : theme_(theme) {}
    // Draws the window's menu bar into `bar` (window coordinates).
    void PaintMenuBar(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar);
    // The window's menu items measured on the surface and laid out in `bar`.
    std::vector<PlacedItem> Layout(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar);
    // Draws one item of the window's menu bar in its slot.
    void PaintMenuItem(GdiSurface& surface, HWND window, const PlacedItem& placed);

private:
    int ItemWidth(GdiSurface& surface, HWND window, const MenuItem& item, int side);
    void PaintText(GdiSurface& surface, const PlacedItem& placed);

    ThemeState& theme_;
};

}  // namespace vt
