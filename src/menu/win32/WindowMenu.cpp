#include "menu/win32/WindowMenu.h"

#include <windowsx.h>

#include "menu/win32/TMenuWindow.h"

namespace vt {
namespace {

void Enable(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

void PrepareWindowMenu(HWND window, HMENU menu) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const bool maximised = (style & WS_MAXIMIZE) != 0, minimised = (style & WS_MINIMIZE) != 0;
    Enable(menu, SC_RESTORE, maximised || minimised);
    Enable(menu, SC_MOVE, !maximised);
    Enable(menu, SC_SIZE, (style & WS_THICKFRAME) && !maximised && !minimised);
    Enable(menu, SC_MINIMIZE, (style & WS_MINIMIZEBOX) && !minimised);
    Enable(menu, SC_MAXIMIZE, (style & WS_MAXIMIZEBOX) && !maximised);
    Enable(menu, SC_CLOSE, (GetClassLongPtrA(window, GCL_STYLE) & CS_NOCLOSE) == 0);
}

void OpenWindowMenu(HWND window, std::uint32_t point) {
    const int x = GET_X_LPARAM(LPARAM(point)), y = GET_Y_LPARAM(LPARAM(point));
    TMenuWindow* relay = TMenuWindow::Create(window);
    struct FinishRelay {
        TMenuWindow* relay;
        ~FinishRelay() { relay->Finish(); }  // also when the popup failed
    } finish{relay};
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    // The system would set the items' states on its own way into the menu; the popup opened
    // here does not go that way.
    PrepareWindowMenu(window, menu);
    if (HWND handle = relay->Handle()) TrackPopupMenuEx(menu, 0, x + 1, y + 1, handle, nullptr);
}

}  // namespace vt
