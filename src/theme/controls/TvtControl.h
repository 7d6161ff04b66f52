#pragma once
// A themed standard control: it takes over one system window class inside the process and is
// drawn from the theme section named after that class (the section's data is part of the
// theme's state). Every control lists itself in its owner's control list for its lifetime,
// which is how the hook installs them all.
#include <string>

namespace vt {

class ControlList;

class TvtControl {
public:
    explicit TvtControl(ControlList& list);
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

private:
    ControlList& list_;
};

}  // namespace vt
