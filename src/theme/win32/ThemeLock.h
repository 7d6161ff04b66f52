#pragma once
// The lock of the process-wide state drawn from the theme: the theme itself (elements and their
// rectangles, bitmaps, fonts, settings), the script engine with its stacks, the drawing context,
// the pointer's hover and pressed state and the GDI forms of the theme. A program may create and
// paint skinned windows on several GUI threads at once; the engine work of each frame message
// (held from the message's first engine call to its end, let go only while the program's
// own code runs), each theme switch and each themed button paint runs whole under this lock, so
// no thread sees another's half-done pass and no theme goes away under a paint.
//
// Why one lock and not state per thread: a theme is loaded once per process (its scripts are
// compiled into the one engine and bound to its elements), so per-thread copies would mean one
// theme load per thread and per switch. Frame passes are short; two threads taking turns cost
// little. The lock is a PumpingLock, so a thread waiting for it still answers what the holder
// sends it, and the frame engine lets go of it around the modal loops it starts (see
// NonClientInput).
#include <windows.h>

#include "common/win32/PumpingLock.h"

namespace vt {

// How long a message waits for another thread's pass before it is answered without the theme
// (as any failing pass is: by the system's own handling).
constexpr DWORD kThemeLockWaitMs = 2000;

PumpingLock& ThemeLock();

// One pass under the theme lock; throws LockTimeout when the wait runs out.
class ThemeGuard {
public:
    ThemeGuard() : guard_(ThemeLock(), kThemeLockWaitMs) {}

private:
    PumpingLockGuard guard_;
};

}  // namespace vt
