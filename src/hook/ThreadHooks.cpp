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
        bool set = std::any_of(hooks_.begin(), hooks_.end(), [had](const UniqueHook& h) { return h.get() == had; });
        ReleaseSRWLockShared(&lock_);
        if (set) return;
    }
    // No module handle: a hook of this thread only, called directly.
    UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, procedure, nullptr, GetCurrentThreadId()));
    if (!hook) return;
    TlsSetValue(slot_, hook.get());
    AcquireSRWLockExclusive(&lock_);
    hooks_.push_back(std::move(hook));
    ReleaseSRWLockExclusive(&lock_);
}

void ThreadHooks::RemoveFromThisThread() {
    if (slot_ == TLS_OUT_OF_INDEXES) return;
    auto hook = static_cast<HHOOK>(TlsGetValue(slot_));
    if (!hook) return;
    TlsSetValue(slot_, nullptr);
    UniqueHook removed;  // unhooked when it goes, after the lock is let go
    AcquireSRWLockExclusive(&lock_);
    auto at = std::find_if(hooks_.begin(), hooks_.end(), [hook](const UniqueHook& h) { return h.get() == hook; });
    if (at != hooks_.end()) {
        removed = std::move(*at);
        hooks_.erase(at);
    }
    ReleaseSRWLockExclusive(&lock_);
}

void ThreadHooks::RemoveAll() {
    std::vector<UniqueHook> hooks;  // unhooked when they go, after the lock is let go
    AcquireSRWLockExclusive(&lock_);
    hooks.swap(hooks_);
    ReleaseSRWLockExclusive(&lock_);
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
