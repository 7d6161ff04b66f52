#pragma once
// Takes a system window class over inside this process: a class of the same name, copied from
// the system's but with our window procedure, so that windows of that class created here from
// now on run our procedure. The system's procedure is kept for everything we leave to it.
#include <windows.h>

#include <string>

namespace vt {

class ClassTakeover {
public:
    ClassTakeover() = default;
    ~ClassTakeover() { GiveBack(); }
    ClassTakeover(const ClassTakeover&) = delete;
    ClassTakeover& operator=(const ClassTakeover&) = delete;

    // Registers the copy of the system class with `replacement` as its procedure. Failures are
    // not errors: the class then simply keeps the system's procedure. Returns whether it took.
    bool Take(const std::string& className, WNDPROC replacement);
    // Removes the process's class, so that new windows get the system class again, and gives
    // the windows that already run our procedure the system's one back (the module may be
    // unloaded while they live).
    void GiveBack();

    bool Taken() const { return taken_; }
    // The system class's procedure; null before the first Take.
    WNDPROC SavedProcedure() const { return saved_; }

private:
    std::string className_;
    WNDCLASSA record_{};
    WNDPROC saved_ = nullptr;
    WNDPROC replacement_ = nullptr;
    bool taken_ = false;
};

}  // namespace vt
