#pragma once
// The window's DC a frame pass draws on. It is taken without the reset of its attributes on
// release (DCX_NORESETATTRS): that reset costs Wine more than the whole repaint of a button, and
// every hover change pays it. So the pass gives back everything it changed instead: its surface
// puts back the DC's pen, brush, font and colours, and this guard the clip region, the current
// position and the stretching mode, so that whoever gets the DC next finds it as we found it.
#include <windows.h>

#include "common/win32/UniqueHandle.h"

namespace vt {

class FrameWindowDc {
public:
    explicit FrameWindowDc(HWND window);
    ~FrameWindowDc();
    FrameWindowDc(const FrameWindowDc&) = delete;
    FrameWindowDc& operator=(const FrameWindowDc&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
    UniqueGdiObject clip_;  // a copy of the DC's clip region; none when it had none
    POINT position_{};
    int stretchMode_ = 0;
};

}  // namespace vt
