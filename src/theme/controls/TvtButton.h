#pragma once
// The themed push button: takes over the system class "BUTTON" (on Win32, see
// win32/TvtButtonWin32.h) and is drawn from the theme's [BUTTON] bitmaps (ButtonBitmaps, kept
// in the theme's state). Without a NORMAL bitmap buttons keep their own drawing.
#include <string>

#include "theme/controls/TvtControl.h"

namespace vt {

class TvtButton : public TvtControl {
public:
    explicit TvtButton(ControlList& list) : TvtControl(list) {}
    std::string ControlName() const override { return "BUTTON"; }
};

}  // namespace vt
