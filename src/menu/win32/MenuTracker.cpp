#include "menu/win32/MenuTracker.h"

#include <windowsx.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "graphics/win32/GdiSurface.h"
#include "menu/MenuBarLayout.h"
#include "menu/win32/WindowMenu.h"

namespace vt {
namespace {

// The menu loop's filter hook has no context of its own: the tracker that installed it.
MenuTracker* g_filtering = nullptr;

// The character after the first single "&" of the text (a doubled "&&" is a literal "&"); 0
// when the text has no mnemonic.
char Mnemonic(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1];
        ++i;
    }
    return 0;
}

bool SameLetter(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

// The maximised document of an MDI frame (none when the frame has no MDI client or its active
// document is not maximised): its window menu and buttons sit on the frame's menu bar.
HWND MaximisedDocument(HWND frame) {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    if (!client) return nullptr;
    BOOL maximised = FALSE;
    auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    return maximised ? active : nullptr;
}

}  // namespace

bool MenuTracker::TrackMenu(HWND window, std::uint32_t value, MenuTracking mode) {
    HMENU menu = GetMenu(window);
    if (!menu || !frame_) return false;
    if (GetMenuItemCount(menu) <= 0) return false;
    RECT w{};
    GetWindowRect(window, &w);
    const Rect bar = frame_->MenuBarStrip(window);
    // Measured with the menu font on the window's surface, given back before any menu opens.
    std::vector<PlacedItem> items;
    frame_->WithFrameSurface(window, [&](GdiSurface& surface) { items = bar_.Layout(surface, window, menu, bar); });
    int first = 0;  // where the search for an enabled item starts
    if (mode == MenuTracking::AtPoint) {
        std::vector<Rect> slots;
        for (const PlacedItem& p : items) slots.push_back(p.slot);
        first = MenuBarItemAt(slots, GET_X_LPARAM(LPARAM(value)) - w.left);
        if (first < 0) return false;
    }
    for (int i = first; i < int(items.size()); ++i) {
        const MenuItem& item = items[std::size_t(i)].item;
        if (ItemDisabled(item.state)) continue;
        bool open = false;
        switch (mode) {
        case MenuTracking::ByKey: {
            // The keyboard reaches the text items; a document's icon and buttons are the pointer's.
            const char key = char(LOWORD(value));
            open = !item.IsBitmap() &&
                   (LOWORD(value) == 0 || (Mnemonic(item.text) != 0 && SameLetter(Mnemonic(item.text), key)));
            break;
        }
        case MenuTracking::AtPoint: open = true; break;  // a disabled item: the next enabled one
        case MenuTracking::AtPosition: open = value == std::uint32_t(i); break;
        default: break;  // Measure opens nothing
        }
        if (open) return OpenMenuItem(window, menu, i, items[std::size_t(i)], bar);
    }
    return false;
}

bool MenuTracker::OpenMenuItem(HWND window, HMENU menu, int index, const PlacedItem& placed, const Rect& bar) {
    if (menu == openMenu_ && index == openIndex_) return false;  // its drop-down is the open one
    openMenu_ = menu;
    openIndex_ = index;
    RECT w{};
    GetWindowRect(window, &w);
    const Rect& slot = placed.slot;
    if (filterHook_) {
        // The running loop closes first (the caller turns its message into Escape); the posted
        // click then opens this item inside its slot.
        PostMessageA(window, WM_SYSCOMMAND, SC_MOUSEMENU,
                     MAKELONG(w.left + slot.Left + std::min(6, slot.Width() / 2), w.top + bar.Top + 2));
        return true;
    }
    PlacedItem highlighted = placed;
    highlighted.item.state |= MF_HILITE;
    frame_->WithFrameSurface(window, [&](GdiSurface& surface) { bar_.PaintMenuItem(surface, window, highlighted); });
    loopWindow_ = window;
    HMENU dropDown = GetSubMenu(menu, index);
    HWND document = dropDown ? MaximisedDocument(window) : nullptr;
    if (document && dropDown == GetSystemMenu(document, FALSE)) {
        // A maximised document's icon: its own window menu, its items set for the document's
        // state (the system sets a window menu's items from the popup's owner), and the chosen
        // command sent to the document once the menu has closed.
        openMenu_ = nullptr;
        openIndex_ = 0;
        loopWindow_ = nullptr;
        PrepareWindowMenu(document, dropDown);
        const BOOL command = TrackPopupMenuEx(dropDown, TPM_RETURNCMD, w.left + slot.Left, w.top + bar.Bottom,
                                              document, nullptr);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        if (command) PostMessageA(document, WM_SYSCOMMAND, WPARAM(command), 0);
    } else if (dropDown) {
        TrackPopupMenuEx(dropDown, 0, w.left + slot.Left + 2, w.top + bar.Bottom + 1, window, nullptr);
    } else {
        // A command on the bar itself (a document's button among them): chosen by opening it.
        // No loop runs to forget it.
        openMenu_ = nullptr;
        openIndex_ = 0;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, index), 0), 0);
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    return false;
}

int MenuTracker::NextEnabledItem(bool forward) const {
    const int start = openIndex_ < 0 ? 0 : openIndex_;
    const int n = openMenu_ ? GetMenuItemCount(openMenu_) : 0;
    if (n <= 0) return -1;
    int i = start;
    for (int tried = 0; tried < n; ++tried) {
        i = forward ? (i + 1 >= n ? 0 : i + 1) : (i - 1 < 0 ? n - 1 : i - 1);
        // A maximised document's icon and buttons are the pointer's: the keys pass them by, so
        // that Right from the last menu never minimises or closes the document.
        const UINT state = GetMenuState(openMenu_, UINT(i), MF_BYPOSITION);
        if (state != UINT(-1) && !ItemDisabled(state) && (state & MF_BITMAP) == 0) return i;
        if (i == start) break;
    }
    return -1;
}

void MenuTracker::StartMenuHook() {
    GetCursorPos(&lastMousePos_);
    if (filterHook_) return;
    filterHook_.reset(SetWindowsHookExA(WH_MSGFILTER, &MenuTracker::MenuFilterProc, nullptr, GetCurrentThreadId()));
    if (filterHook_) g_filtering = this;
}

void MenuTracker::StopMenuHook() {
    if (g_filtering == this) g_filtering = nullptr;
    filterHook_.reset();
    openIndex_ = 0;
    downKeyPosted_ = false;
    openMenu_ = nullptr;
    loopWindow_ = nullptr;
}

LRESULT CALLBACK MenuTracker::MenuFilterProc(int code, WPARAM wParam, LPARAM lParam) {
    MenuTracker* tracker = g_filtering;
    const LRESULT result = CallNextHookEx(tracker ? tracker->filterHook_.get() : nullptr, code, wParam, lParam);
    if (result != 0 || code != MSGF_MENU || !tracker || !lParam) return result;
    try {
        tracker->Filter(*reinterpret_cast<MSG*>(lParam));
    } catch (...) {
        // The menu loop goes on as the system runs it.
    }
    return result;
}

void MenuTracker::Filter(MSG& message) {
    if (!downKeyPosted_) {
        // The first item of the open drop-down selected, as if Down had been pressed.
        downKeyPosted_ = true;
        PostMessageA(message.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    auto closeLoop = [&message] {
        message.message = WM_KEYDOWN;
        message.wParam = VK_ESCAPE;
        message.lParam = 0;
    };
    switch (message.message) {
    case WM_KEYDOWN: {
        HMENU sub = popupMenu_ ? GetSubMenu(popupMenu_, popupItem_) : nullptr;
        const bool hasSub = sub && GetMenuItemCount(sub) != 0;
        int next = -1;
        if (message.wParam == VK_RIGHT && !hasSub) next = NextEnabledItem(true);
        else if (message.wParam == VK_LEFT) next = NextEnabledItem(false);
        if (next == -1) break;
        HWND target = loopWindow_ ? loopWindow_ : message.hwnd;
        if (TrackMenu(target, std::uint32_t(next), MenuTracking::AtPosition)) closeLoop();
        break;
    }
    case WM_MENUSELECT:
        popupMenu_ = reinterpret_cast<HMENU>(message.lParam);
        popupItem_ = LOWORD(message.wParam);
        break;
    case WM_MOUSEMOVE: {
        const POINT p = message.pt;
        if (p.x == lastMousePos_.x && p.y == lastMousePos_.y) break;
        lastMousePos_ = p;
        // The loop's messages come to the window holding the capture in its own coordinates:
        // the bar is asked about by the message's screen point, for the window the loop runs for.
        HWND target = loopWindow_ ? loopWindow_ : message.hwnd;
        const LPARAM screen = MAKELPARAM(p.x, p.y);
        if (frame_ && frame_->HitTestAt(target, screen) == kCodeMenuBar &&
            TrackMenu(target, std::uint32_t(screen), MenuTracking::AtPoint)) {
            closeLoop();
        }
        break;
    }
    default:
        break;
    }
}

}  // namespace vt
