#include "FramePointer.h"

#include <algorithm>
#include <vector>

#include "PointerInput.h"
#include "theme/model/ElementCode.h"

namespace vt::soak {
namespace {

bool Answers(FramePart part, LRESULT code) {
    switch (part) {
        case FramePart::Caption: return code == HTCAPTION;
        case FramePart::Sizing: return code >= HTLEFT && code <= HTBOTTOMRIGHT;
        case FramePart::MaximizeOrRestore: return code == HTMAXBUTTON || code == kCodeMaximize || code == kCodeRestore;
        case FramePart::Minimize: return code == HTMINBUTTON || code == kCodeMinimize;
        case FramePart::RollUp: return code == kCodeShrink || code == kCodeUnshrink || code == kCodeShrinkFlip;
        case FramePart::MenuBar: return code == HTMENU || code == kCodeMenuBar;
    }
    return false;
}

}  // namespace

bool FindFramePoint(HWND window, FramePart part, SoakRandom& random, POINT& at) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return false;
    std::vector<POINT> grid;
    // The top band (caption, buttons, menu bar) finely, the other edges along their middle lines.
    for (int y = r.top + 1; y < std::min<LONG>(r.top + 52, r.bottom); y += 4) {
        for (int x = r.left + 1; x < r.right; x += 6) grid.push_back({x, y});
    }
    for (int d : {1, 3}) {
        grid.push_back({r.left + d, (r.top + r.bottom) / 2});
        grid.push_back({r.right - 1 - d, (r.top + r.bottom) / 2});
        grid.push_back({(r.left + r.right) / 2, r.bottom - 1 - d});
        grid.push_back({r.right - 1 - d, r.bottom - 1 - d});
        grid.push_back({r.left + d, r.bottom - 1 - d});
    }
    std::vector<POINT> found;
    for (POINT p : grid) {
        DWORD_PTR code = 0;
        if (!SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y), SMTO_ABORTIFHUNG, 1000, &code)) return false;
        if (Answers(part, LRESULT(code))) found.push_back(p);
    }
    if (found.empty()) return false;
    at = found[random.Below(int(found.size()))];
    return true;
}

void ClickAt(POINT at) {
    demo::PointerTo(at.x, at.y);
    demo::Button(MOUSEEVENTF_LEFTDOWN);
    demo::Button(MOUSEEVENTF_LEFTUP);
}

void DragFromTo(POINT from, POINT to) {
    demo::PointerTo(from.x, from.y);
    demo::Button(MOUSEEVENTF_LEFTDOWN);
    demo::PointerTo((from.x + to.x) / 2, (from.y + to.y) / 2);
    demo::PointerTo(to.x, to.y);
    demo::Button(MOUSEEVENTF_LEFTUP);
}

}  // namespace vt::soak
