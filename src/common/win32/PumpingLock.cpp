#include "common/win32/PumpingLock.h"

namespace vt {
namespace {

// Rounds that only give the processor away before the wait sleeps in the message wait: a
// paint pass is short, and a sleep costs a timer tick.
constexpr unsigned kYieldRounds = 64;

// Delivers the messages other threads have sent to this one (they run here, now); posted
// messages stay queued for the program's own loop.
void ServeSentMessages() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

bool PumpingLock::Acquire(DWORD timeoutMs) {
    const DWORD self = GetCurrentThreadId();
    if (owner_.load(std::memory_order_relaxed) == self) {
        ++depth_;
        return true;
    }
    const DWORD start = GetTickCount();
    for (unsigned round = 0;; ++round) {
        DWORD free = 0;
        if (owner_.compare_exchange_strong(free, self, std::memory_order_acquire, std::memory_order_relaxed)) {
            depth_ = 1;
            return true;
        }
        if (timeoutMs != INFINITE && GetTickCount() - start >= timeoutMs) {
            timeouts_.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        ServeSentMessages();
        if (round < kYieldRounds) SwitchToThread();
        else MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, 0);
    }
}

bool PumpingLock::TryAcquire() {
    const DWORD self = GetCurrentThreadId();
    if (owner_.load(std::memory_order_relaxed) == self) {
        ++depth_;
        return true;
    }
    DWORD free = 0;
    if (!owner_.compare_exchange_strong(free, self, std::memory_order_acquire, std::memory_order_relaxed)) return false;
    depth_ = 1;
    return true;
}

void PumpingLock::Release() {
    if (--depth_ == 0) owner_.store(0, std::memory_order_release);
}

}  // namespace vt
