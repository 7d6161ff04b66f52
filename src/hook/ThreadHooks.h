#pragma once
// The message hook per GUI thread that the module sets in a 32-bit program on 64-bit Windows.
//
// There the two halves of Veltrane each set a system-wide hook, and both end up in one chain.
// Wine runs every hook of the chain inside the program; a hook whose module is of the other
// bitness cannot be loaded there, and the chain ends at it: whichever half set its hook last hid
// the other half's from that half's programs. Thread hooks come before system-wide ones, so the
// 32-bit half sets a system-wide WH_CBT hook instead (no 64-bit one exists), which puts
// HookProc as a WH_CALLWNDPROC hook on each thread of a 32-bit program as it makes, activates or
// focuses a window: HookProc then runs first, and its CallNextHookEx to the 64-bit hook that
// cannot load costs only that call. (Windows itself runs a hook of the other bitness in the
// process that set it, so there the order never mattered.)
#include <windows.h>

#include <vector>

#include "common/win32/UniqueHandle.h"

namespace vt {

class ThreadHooks {
public:
    ThreadHooks();
    ~ThreadHooks();  // removes every hook still set
    ThreadHooks(const ThreadHooks&) = delete;
    ThreadHooks& operator=(const ThreadHooks&) = delete;

    // Sets `procedure` as the calling thread's WH_CALLWNDPROC hook, unless it has one of ours.
    void EnsureOnThisThread(HOOKPROC procedure);
    // Removes the calling thread's hook (Veltrane is switched off).
    void RemoveFromThisThread();
    // Removes every hook set here (the module ends); a thread that has ended took its own along.
    void RemoveAll();

private:
    DWORD slot_;  // thread-local: the thread's hook, so that a reused thread id cannot mislead
    SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<UniqueHook> hooks_;  // every hook set, for RemoveAll
};

// True in a 32-bit process on 64-bit Windows, where the module works through ThreadHooks.
bool BesideOtherBitness();

}  // namespace vt
