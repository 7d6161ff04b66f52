#include "menu/win32/MenuBar.h"

#include <string>
#include <vector>

#include "graphics/win32/GdiSurface.h"

namespace vt {
namespace {

constexpr Colour kMenuColour = 0x80000004;           // COLOR_MENU
constexpr Colour kHighlight = 0x8000000D;            // COLOR_HIGHLIGHT
constexpr Colour kHighlightText = 0x8000000E;        // COLOR_HIGHLIGHTTEXT
constexpr Colour kEngravedLight = 0x80000014;        // COLOR_BTNHIGHLIGHT
constexpr Colour kEngravedShadow = 0x80000010;       // COLOR_BTNSHADOW

std::string ItemText(HMENU menu, int position) {
    // GetMenuStringA's limit: longer texts are cut.
    constexpr int kLongest = 255;
    int length = GetMenuStringA(menu, UINT(position), nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return {};
    if (length > kLongest) length = kLongest;
    std::vector<char> buffer(std::size_t(length) + 1);
    GetMenuStringA(menu, UINT(position), buffer.data(), length + 1, MF_BYPOSITION);
    return std::string(buffer.data());
}

void DrawItemText(GdiSurface& surface, const std::string& text, RECT t) {
    DrawTextA(surface.PreparedDc(), text.c_str(), int(text.size()), &t, 0);
}

}  // namespace

MenuItem DescribeMenuItem(HMENU menu, int position) {
    MenuItem item;
    item.text = ItemText(menu, position);
    const UINT state = GetMenuState(menu, UINT(position), MF_BYPOSITION);
    item.state = state == UINT(-1) ? 0 : state;
    return item;
}

bool ItemDisabled(UINT state) { return (state & (MF_GRAYED | MF_DISABLED)) != 0; }

void TMenuBar::PaintMenuBar(GdiSurface& surface, HMENU menu, const Rect& bar) {
    Bitmap* bitmap = theme_.Theme ? theme_.Theme->Items().FindBitmap("MenuBar") : nullptr;
    if (!bitmap) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(kMenuColour);
        surface.FillRect(bar);
    } else if (theme_.TileMenu) {
        surface.TileBitmap(*bitmap, bar);
    } else {
        surface.StretchBitmap(*bitmap, bar);
    }
    int cursor = bar.Left + 2;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        cursor += PaintMenuItem(surface, Rect{cursor, bar.Top, bar.Right, bar.Bottom}, DescribeMenuItem(menu, i), true);
    }
}

int TMenuBar::PaintMenuItem(GdiSurface& surface, const Rect& r, const MenuItem& item, bool draw) {
    surface.SetBrushKind(BrushStyle::Clear);
    Font font = theme_.MenuFont;
    surface.SetFont(font);
    const std::string& text = item.text;
    const int right = r.Left + surface.TextExtent(text).cx + 2;
    const bool enabled = !ItemDisabled(item.state);
    const bool highlighted = (item.state & MF_HILITE) != 0;
    if (enabled && highlighted) font.colour = kHighlightText;
    if (highlighted) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(kHighlight);
    }
    if (draw) {
        surface.FillRect(Rect{r.Left - 2, r.Top, right - 2, r.Bottom - 1});
        RECT t{r.Left, r.Top, right, r.Bottom};
        if (enabled) {
            surface.SetFont(font);
            DrawItemText(surface, text, t);
        } else {
            font.colour = kEngravedLight;
            surface.SetFont(font);
            DrawItemText(surface, text, RECT{t.left + 1, t.top + 1, t.right + 1, t.bottom + 1});
            font.colour = kEngravedShadow;
            surface.SetFont(font);
            DrawItemText(surface, text, t);
        }
    }
    return right - r.Left;
}

}  // namespace vt
