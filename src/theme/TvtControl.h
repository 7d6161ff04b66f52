#pragma once
// A themed standard control: it takes over one system window class inside the process and
// reads its bitmaps from the theme section named after that class. Every control lists itself
// in the process's control list for its lifetime, which is how the theme reader finds the
// control for a section and the loader resets them all.
#include <string>

namespace vt {

class TTheme;

class TvtControl {
public:
    TvtControl();
    // Leaves the control list. A class that installs something gives it back in its own
    // destructor: a base destructor cannot reach the derived Uninstall.
    virtual ~TvtControl();
    TvtControl(const TvtControl&) = delete;
    TvtControl& operator=(const TvtControl&) = delete;

    // The system class and theme section this control handles; empty for the base.
    virtual std::string ControlName() const { return {}; }
    // Takes the class over / gives it back. The portable control has no window class to take
    // over; the Win32 controls do the work.
    virtual void Install() {}
    virtual void Uninstall() {}
    // One content line of the control's theme section; bitmaps are looked up in theme.
    virtual void LoadLine(const std::string& line, TTheme& theme) { (void)line; (void)theme; }
    // Forgets the control's theme bitmaps.
    virtual void Reset() {}
};

}  // namespace vt
