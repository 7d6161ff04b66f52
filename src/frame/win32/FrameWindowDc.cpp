#include "frame/win32/FrameWindowDc.h"

namespace vt {
namespace {

// What GetWindowDC asks for (a DC of the cache over the whole window, clipping siblings where
// the window's style says so), without the reset.
HDC TakeDc(HWND window) {
    DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_NORESETATTRS;
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CLIPSIBLINGS) flags |= DCX_CLIPSIBLINGS;
    return GetDCEx(window, nullptr, flags);
}

}  // namespace

FrameWindowDc::FrameWindowDc(HWND window) : window_(window), dc_(TakeDc(window)) {
    if (!dc_) return;
    UniqueGdiObject clip(CreateRectRgn(0, 0, 0, 0));
    if (clip && GetClipRgn(dc_, static_cast<HRGN>(clip.get())) == 1) clip_ = std::move(clip);
    GetCurrentPositionEx(dc_, &position_);
    stretchMode_ = GetStretchBltMode(dc_);
}

FrameWindowDc::~FrameWindowDc() {
    if (!dc_) return;
    SelectClipRgn(dc_, static_cast<HRGN>(clip_.get()));  // the DC keeps a copy; none removes ours
    MoveToEx(dc_, position_.x, position_.y, nullptr);
    if (stretchMode_) SetStretchBltMode(dc_, stretchMode_);
    ReleaseDC(window_, dc_);
}

}  // namespace vt
