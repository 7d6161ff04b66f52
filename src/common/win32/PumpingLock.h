#pragma once
// A recursive lock for state that window procedures of several threads share, and whose holder
// may call out into window procedures.
//
// A thread that waits for it keeps serving the messages other threads send it. A plain mutex
// would deadlock as soon as its holder sent a message to a window of a waiting thread: the send
// waits for that thread, and that thread waits for the lock. Here the waiting thread answers the
// send (running the nested handler, which may take the lock again only if the holder lets go),
// so the holder's send returns and the holder goes on. The one cycle left, a holder whose send
// is answered by a handler that itself needs the lock, ends when that handler's wait times out.
//
// Recursive per thread, because Windows nests passes on one thread: a repaint sent from inside a
// hit test runs inside it. Only atomics and the owner's own counter: no handle to release, so a
// process-wide instance has no destructor work to do at exit.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace vt {

// A wait for the lock ran out: the caller answers without the locked state.
class LockTimeout : public std::runtime_error {
public:
    LockTimeout() : std::runtime_error("The lock stayed busy") {}
};

class PumpingLock {
public:
    constexpr PumpingLock() = default;
    PumpingLock(const PumpingLock&) = delete;
    PumpingLock& operator=(const PumpingLock&) = delete;

    // Takes the lock (once more, when this thread holds it); false when another thread held it
    // for all of `timeoutMs` (INFINITE: no limit). Messages sent to this thread meanwhile are
    // handled.
    bool Acquire(DWORD timeoutMs);
    // Takes the lock only when it is free or this thread's already: no wait, nothing served.
    bool TryAcquire();
    void Release();
    bool HeldByThisThread() const { return owner_.load(std::memory_order_relaxed) == GetCurrentThreadId(); }
    // This thread holds it, and only once: no pass of its own is under way further out.
    bool HeldOnceByThisThread() const { return HeldByThisThread() && depth_ == 1; }

    // How many waits have run out since the process started.
    std::uint32_t Timeouts() const { return timeouts_.load(std::memory_order_relaxed); }

private:
    std::atomic<DWORD> owner_{0};  // thread id; 0 when free
    std::uint32_t depth_ = 0;      // read and written by the owner only
    std::atomic<std::uint32_t> timeouts_{0};
};

// Holds the lock for its scope; throws LockTimeout when the wait runs out.
class PumpingLockGuard {
public:
    PumpingLockGuard(PumpingLock& lock, DWORD timeoutMs) : lock_(lock) {
        if (!lock_.Acquire(timeoutMs)) throw LockTimeout();
    }
    ~PumpingLockGuard() { lock_.Release(); }
    PumpingLockGuard(const PumpingLockGuard&) = delete;
    PumpingLockGuard& operator=(const PumpingLockGuard&) = delete;

private:
    PumpingLock& lock_;
};

// Holds the lock for its scope when it could be had without a wait.
class PumpingLockTry {
public:
    explicit PumpingLockTry(PumpingLock& lock) : lock_(lock), held_(lock.TryAcquire()) {}
    ~PumpingLockTry() {
        if (held_) lock_.Release();
    }
    PumpingLockTry(const PumpingLockTry&) = delete;
    PumpingLockTry& operator=(const PumpingLockTry&) = delete;
    bool Held() const { return held_; }

private:
    PumpingLock& lock_;
    bool held_;
};

// Lets go of the lock for its scope when this thread holds it once, so that a modal loop the
// holder starts (sizing, moving, a command the program answers with a dialog) does not keep the
// other threads out for its whole length; takes it back at the end, however long that waits.
// Only for a holder that uses none of the locked state after the call out; a nested holder
// (one further out on this thread still using the state) keeps the lock.
class PumpingLockYield {
public:
    explicit PumpingLockYield(PumpingLock& lock) : lock_(lock), released_(lock.HeldOnceByThisThread()) {
        if (released_) lock_.Release();
    }
    ~PumpingLockYield() {
        if (released_) lock_.Acquire(INFINITE);
    }
    PumpingLockYield(const PumpingLockYield&) = delete;
    PumpingLockYield& operator=(const PumpingLockYield&) = delete;

private:
    PumpingLock& lock_;
    bool released_;
};

}  // namespace vt
