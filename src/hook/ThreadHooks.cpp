#include "hook/ThreadHooks.h"

#include <algorithm>

namespace vt {

ThreadHooks::ThreadHooks() : slot_(TlsAlloc()) {}

ThreadHooks::~ThreadHooks() {
    RemoveAll();
    if (slot_ != TLS_OUT_OF_INDEXES) TlsFree(slot_);
}

void ThreadHooks::EnsureOnThisThread(HOOKPROC procedure) {
    if (slot_ == TLS_OUT_OF_INDEXES) return;
    if (auto had = static_cast<HHOOK>(TlsGetValue(slot_))) {
        // Still set, unless RemoveAll took it away from another thread.
        AcquireSRWLockShared(&lock_);
        bool set = std::find(hooks_.begin(), hooks_.end(), had) != hooks_.end();
        ReleaseSRWLockShared(&lock_);
        if (set) return;
    }
    // No module handle: a hook of this thread only, called directly.
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, procedure, nullptr, GetCurrentThreadId());
    if (!hook) return;
    TlsSetValue(slot_, hook);
    AcquireSRWLockExclusive(&lock_);
    hooks_.push_back(hook);
    ReleaseSRWLockExclusive(&lock_);
}

void ThreadHooks::RemoveFromThisThread() {
    if (slot_ == TLS_OUT_OF_INDEXES) return;
    auto hook = static_cast<HHOOK>(TlsGetValue(slot_));
    if (!hook) return;
    TlsSetValue(slot_, nullptr);
    AcquireSRWLockExclusive(&lock_);
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), hook), hooks_.end());
    ReleaseSRWLockExclusive(&lock_);
    UnhookWindowsHookEx(hook);
}

void ThreadHooks::RemoveAll() {
    AcquireSRWLockExclusive(&lock_);
    std::vector<HHOOK> hooks;
    hooks.swap(hooks_);
    ReleaseSRWLockExclusive(&lock_);
    for (HHOOK hook : hooks) UnhookWindowsHookEx(hook);
}

bool BesideOtherBitness() {
#if defined(_WIN64)
    return false;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace vt
