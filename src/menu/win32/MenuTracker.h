#pragma once
// Opening the drop-downs of a skinned window's menu bar: by a click on the bar, by the keyboard
// menu key or a mnemonic, and, while a drop-down is open, by moving the pointer to another bar
// item or pressing Left or Right. The drop-downs are the system's popup menus; a switch to
// another item during a menu loop is posted and the running loop is told to close.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"
#include "frame/win32/FrameMenus.h"
#include "menu/win32/MenuBar.h"

namespace vt {

class MenuTracker {
public:
    MenuTracker(TMenuBar& bar, MenuFrame*& frame) : bar_(bar), frame_(frame) {}
    ~MenuTracker() { StopMenuHook(); }
    MenuTracker(const MenuTracker&) = delete;
    MenuTracker& operator=(const MenuTracker&) = delete;

    // Modes AtPoint, ByKey, AtPosition and Measure. True when an item change was posted into a
    // running menu loop.
    bool TrackMenu(HWND window, std::uint32_t value, MenuTracking mode);

    void StartMenuHook();
    void StopMenuHook();
    void SetPopupMenu(HMENU menu, int item) {
        popupMenu_ = menu;
        popupItem_ = std::uint16_t(item);
    }

    // The next (or previous) enabled item of the open bar after the open one, wrapping, bitmap
    // items passed by; -1 when there is none.
    int NextEnabledItem(bool forward) const;

private:
    static LRESULT CALLBACK MenuFilterProc(int code, WPARAM wParam, LPARAM lParam);
    void Filter(MSG& message);
    // Opens item `index` (laid out in `placed`); true when the change was posted into a running loop.
    bool OpenMenuItem(HWND window, HMENU menu, int index, const PlacedItem& placed, const Rect& bar);

    TMenuBar& bar_;
    MenuFrame*& frame_;  // set by the hook once the frame exists
    UniqueHook filterHook_;
    HMENU openMenu_ = nullptr;
    int openIndex_ = 0;
    HWND loopWindow_ = nullptr;  // the window whose drop-down the running loop shows
    POINT lastMousePos_{};
    bool downKeyPosted_ = false;
    HMENU popupMenu_ = nullptr;
    std::uint16_t popupItem_ = 0;
};

}  // namespace vt
