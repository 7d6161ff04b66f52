#include "menu/win32/Menus.h"

#include "menu/win32/TMenuWindow.h"
#include "menu/win32/WindowMenu.h"

namespace vt {

TMenus::~TMenus() { TMenuWindow::UnregisterWindowClass(); }

bool TMenus::TrackMenu(HWND window, std::uint32_t value, MenuTracking mode) {
    if (mode == MenuTracking::WindowMenu) {
        OpenWindowMenu(window, value);
        return true;
    }
    return tracker_.TrackMenu(window, value, mode);
}

}  // namespace vt
