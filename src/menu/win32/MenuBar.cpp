#include "menu/win32/MenuBar.h"

#include <cstdlib>

#include "graphics/win32/GdiGuards.h"
#include "graphics/win32/GdiSurface.h"
#include "menu/MenuBarLayout.h"

namespace vt {
namespace {

constexpr Colour kMenuColour = 0x80000004;           // COLOR_MENU
constexpr Colour kHighlight = 0x8000000D;            // COLOR_HIGHLIGHT
constexpr Colour kHighlightText = 0x8000000E;        // COLOR_HIGHLIGHTTEXT
constexpr Colour kEngravedLight = 0x80000014;        // COLOR_BTNHIGHLIGHT
constexpr Colour kEngravedShadow = 0x80000010;       // COLOR_BTNSHADOW
constexpr int kItemMargin = 2;                        // between an item's slot and its text or picture

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

// The HBMMENU_ values a bitmap item may name instead of a bitmap of its own.
bool IsSystemPicture(HBITMAP bitmap) {
    const INT_PTR value = reinterpret_cast<INT_PTR>(bitmap);
    return value == -1 || (value > 0 && value < 12);
}

// The caption button an HBMMENU_MBAR_ value stands for, as DrawFrameControl flags (close is 0).
bool CaptionButton(HBITMAP bitmap, UINT& flags) {
    if (bitmap == HBMMENU_MBAR_RESTORE) flags = DFCS_CAPTIONRESTORE;
    else if (bitmap == HBMMENU_MBAR_MINIMIZE) flags = DFCS_CAPTIONMIN;
    else if (bitmap == HBMMENU_MBAR_CLOSE) flags = DFCS_CAPTIONCLOSE;
    else if (bitmap == HBMMENU_MBAR_CLOSE_D) flags = DFCS_CAPTIONCLOSE | DFCS_INACTIVE;
    else if (bitmap == HBMMENU_MBAR_MINIMIZE_D) flags = DFCS_CAPTIONMIN | DFCS_INACTIVE;
    else return false;
    return true;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || IsSystemPicture(bitmap) || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// The small icon of the window an HBMMENU_SYSTEM item names.
HICON WindowIcon(HWND window) {
    if (!window || !IsWindow(window)) return nullptr;
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
    return icon;
}

}  // namespace

MenuItem DescribeMenuItem(HMENU menu, int position) {
    MenuItem item;
    item.text = ItemText(menu, position);
    const UINT state = GetMenuState(menu, UINT(position), MF_BYPOSITION);
    item.state = state == UINT(-1) ? 0 : state;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_BITMAP | MIIM_DATA | MIIM_ID;
    if (GetMenuItemInfoA(menu, UINT(position), TRUE, &info)) {
        item.type = info.fType;
        item.bitmap = info.hbmpItem;
        item.data = info.dwItemData;
        item.id = info.wID;
    }
    if ((item.type & MFT_BITMAP) && !item.bitmap) {
        // An item made with MF_BITMAP keeps its bitmap where the text would be.
        MENUITEMINFOA old{};
        old.cbSize = sizeof old;
        old.fMask = MIIM_TYPE;
        if (GetMenuItemInfoA(menu, UINT(position), TRUE, &old)) item.bitmap = reinterpret_cast<HBITMAP>(old.dwTypeData);
    }
    if (!item.IsText()) item.text.clear();
    return item;
}

bool ItemDisabled(UINT state) { return (state & (MF_GRAYED | MF_DISABLED)) != 0; }

int TMenuBar::ItemWidth(GdiSurface& surface, HWND window, const MenuItem& item, int side) {
    if (item.IsOwnerDrawn()) {
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, UINT(side), item.data};
        SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        return int(measure.itemWidth);
    }
    if (item.IsText()) {
        surface.SetFont(theme_.MenuFont);
        return surface.TextExtent(item.text).cx + kItemMargin;
    }
    const SIZE size = BitmapSize(item.bitmap);
    // A program's own bitmap keeps its proportions at the bar's height; the system's pictures are square.
    const int width = size.cy > 0 ? int(MulDiv(size.cx, side, size.cy)) : side;
    return width + 2 * kItemMargin;
}

std::vector<PlacedItem> TMenuBar::Layout(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar) {
    const int count = GetMenuItemCount(menu);
    const int side = std::abs(theme_.MenuFont.Height(surface.Dpi()));
    std::vector<PlacedItem> placed;
    std::vector<BarItemExtent> extents;
    for (int i = 0; i < count; ++i) {
        placed.push_back({DescribeMenuItem(menu, i), {}});
        const MenuItem& item = placed.back().item;
        extents.push_back({ItemWidth(surface, window, item, side), (item.type & MFT_RIGHTJUSTIFY) != 0});
    }
    const std::vector<Rect> slots = LayoutMenuBar(extents, bar);
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i].slot = slots[i];
    return placed;
}

void TMenuBar::PaintMenuBar(GdiSurface& surface, HWND window, HMENU menu, const Rect& bar) {
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
    for (const PlacedItem& placed : Layout(surface, window, menu, bar)) PaintMenuItem(surface, window, placed);
}

void TMenuBar::PaintMenuItem(GdiSurface& surface, HWND window, const PlacedItem& placed) {
    const MenuItem& item = placed.item;
    const Rect& s = placed.slot;
    if (item.IsText()) {
        PaintText(surface, placed);
        return;
    }
    if (item.IsOwnerDrawn()) {
        HDC dc = surface.PreparedDc();
        UINT state = (item.state & MF_HILITE) ? ODS_SELECTED : 0;
        if (item.state & MF_GRAYED) state |= ODS_GRAYED;
        if (item.state & MF_DISABLED) state |= ODS_DISABLED;
        DRAWITEMSTRUCT draw{ODT_MENU, 0, item.id, ODA_DRAWENTIRE, state, nullptr, dc, RECT{s.Left, s.Top, s.Right, s.Bottom},
                            item.data};
        draw.hwndItem = reinterpret_cast<HWND>(GetMenu(window));
        // Whatever the program selects into the DC, the frame's drawing goes on with its own.
        const int saved = SaveDC(dc);
        SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        RestoreDC(dc, saved);
        return;
    }
    const int side = std::abs(theme_.MenuFont.Height(surface.Dpi()));
    const int top = s.Top + (s.Height() - side) / 2;
    const RECT picture{s.Left + kItemMargin, top, s.Right - kItemMargin, top + side};
    HDC dc = surface.PreparedDc();
    UINT button = 0;
    if (CaptionButton(item.bitmap, button)) {
        RECT r = picture;
        DrawFrameControl(dc, &r, DFC_CAPTION, button | ((item.state & MF_HILITE) ? DFCS_PUSHED : 0));
    } else if (item.bitmap == HBMMENU_SYSTEM) {
        if (HICON icon = WindowIcon(reinterpret_cast<HWND>(item.data)))
            DrawIconEx(dc, picture.left, picture.top, icon, side, side, 0, nullptr, DI_NORMAL);
    } else if (!IsSystemPicture(item.bitmap)) {
        const SIZE size = BitmapSize(item.bitmap);
        MemoryDc memory(dc);
        if (size.cx <= 0 || !memory) return;
        SelectGuard selected(memory.Get(), item.bitmap);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, picture.left, picture.top, picture.right - picture.left, side, memory.Get(), 0, 0, size.cx,
                   size.cy, SRCCOPY);
    }
}

void TMenuBar::PaintText(GdiSurface& surface, const PlacedItem& placed) {
    const MenuItem& item = placed.item;
    const Rect& s = placed.slot;
    surface.SetBrushKind(BrushStyle::Clear);
    Font font = theme_.MenuFont;
    const bool enabled = !ItemDisabled(item.state);
    const bool highlighted = (item.state & MF_HILITE) != 0;
    if (enabled && highlighted) font.colour = kHighlightText;
    if (highlighted) {
        surface.SetBrushKind(BrushStyle::Solid);
        surface.SetBrushColour(kHighlight);
    }
    surface.FillRect(Rect{s.Left, s.Top, s.Right, s.Bottom - 1});
    const RECT t{s.Left + kItemMargin, s.Top, s.Right + kItemMargin, s.Bottom};
    if (enabled) {
        surface.SetFont(font);
        DrawItemText(surface, item.text, t);
    } else {
        font.colour = kEngravedLight;
        surface.SetFont(font);
        DrawItemText(surface, item.text, RECT{t.left + 1, t.top + 1, t.right + 1, t.bottom + 1});
        font.colour = kEngravedShadow;
        surface.SetFont(font);
        DrawItemText(surface, item.text, t);
    }
}

}  // namespace vt
