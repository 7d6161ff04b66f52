#include "hook/OwnFrameCheck.h"

#include "hook/SubclassRegistry.h"

namespace vt {
namespace {

LRESULT CallProgram(WNDPROC previous, bool unicode, HWND window, WPARAM wParam, LPARAM lParam) {
    return previous ? CallProcedure(previous, unicode, window, WM_NCCALCSIZE, wParam, lParam)
                    : CallDefault(unicode, window, WM_NCCALCSIZE, wParam, lParam);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

ClientAreaAnswer AskProgramForClientArea(WNDPROC previous, bool unicode, HWND window, WPARAM wParam, LPARAM lParam) {
    ClientAreaAnswer answer;
    if (!lParam) {
        answer.result = CallProgram(previous, unicode, window, wParam, lParam);
        return answer;
    }
    if (wParam) {
        auto* asked = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        NCCALCSIZE_PARAMS byDefault = *asked;
        WINDOWPOS position{};
        if (asked->lppos) {
            position = *asked->lppos;
            byDefault.lppos = &position;
        }
        CallDefault(unicode, window, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&byDefault));
        answer.result = CallProgram(previous, unicode, window, wParam, lParam);
        answer.ownFrame = !SameRect(byDefault.rgrc[0], asked->rgrc[0]);
    } else {
        RECT byDefault = *reinterpret_cast<RECT*>(lParam);
        CallDefault(unicode, window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&byDefault));
        answer.result = CallProgram(previous, unicode, window, wParam, lParam);
        answer.ownFrame = !SameRect(byDefault, *reinterpret_cast<RECT*>(lParam));
    }
    return answer;
}

bool ProgramDrawsOwnFrame(WNDPROC previous, bool unicode, HWND window) {
    RECT outer{}, client{};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client)) return false;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow()) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&client), 2);
    }
    WINDOWPOS position{window, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED};
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = outer;
    params.rgrc[1] = outer;
    params.rgrc[2] = client;
    params.lppos = &position;
    return AskProgramForClientArea(previous, unicode, window, TRUE, reinterpret_cast<LPARAM>(&params)).ownFrame;
}

}  // namespace vt
