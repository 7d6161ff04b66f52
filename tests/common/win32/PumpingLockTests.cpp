// The theme lock's mechanism: recursive per thread, a wait that runs out, a waiter that answers
// the holder's sends (the property that keeps a holder's send across threads from deadlocking),
// and a holder that lets go around a call out only when no pass of its own is further out.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "common/win32/PumpingLock.h"
#include "common/win32/UniqueHandle.h"

namespace vt {
namespace {

// A thread running `body`; joined (with a time limit) by Join.
class TestThread {
public:
    explicit TestThread(std::function<void()> body) : body_(std::move(body)) {
        handle_.reset(CreateThread(nullptr, 0, &TestThread::Entry, this, 0, nullptr));
    }
    ~TestThread() { Join(); }
    bool Join(DWORD timeoutMs = 10000) { return !handle_ || WaitForSingleObject(handle_.get(), timeoutMs) == WAIT_OBJECT_0; }

private:
    static DWORD WINAPI Entry(void* self) {
        try {
            static_cast<TestThread*>(self)->body_();
        } catch (...) {
        }
        return 0;
    }
    std::function<void()> body_;
    UniqueKernelHandle handle_;
};

// Waits, answering sent messages, until `done` holds; whether it did within the time.
bool Await(const std::atomic<bool>& done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return true;
}

TEST(PumpingLock, RecursivePerThreadAndAWaitThatRunsOut) {
    PumpingLock lock;
    ASSERT_TRUE(lock.Acquire(0));
    ASSERT_TRUE(lock.Acquire(0)) << "the holder takes it again";
    EXPECT_FALSE(lock.HeldOnceByThisThread());
    lock.Release();
    EXPECT_TRUE(lock.HeldOnceByThisThread());

    bool taken = true;
    TestThread other([&] { taken = lock.Acquire(50); });
    ASSERT_TRUE(other.Join());
    EXPECT_FALSE(taken) << "another thread waits, then gives up";
    EXPECT_EQ(lock.Timeouts(), 1u);

    lock.Release();
    TestThread later([&] {
        taken = lock.Acquire(50);
        if (taken) lock.Release();
    });
    ASSERT_TRUE(later.Join());
    EXPECT_TRUE(taken) << "free once the holder let go of every level";
}

TEST(PumpingLock, AWaiterAnswersWhatTheHolderSends) {
    PumpingLock lock;
    ASSERT_TRUE(lock.Acquire(0));
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> waiting{false}, taken{false};
    TestThread waiter([&] {
        UniqueWindow own(CreateWindowExA(0, "STATIC", "waiter", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                         nullptr));
        window = own.get();
        waiting = true;
        if (lock.Acquire(5000)) {
            taken = true;
            lock.Release();
        }
    });
    ASSERT_TRUE(Await(waiting));
    DWORD_PTR answer = 0;
    // A send to the waiting thread, with the lock held: a plain mutex would deadlock here.
    EXPECT_NE(SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 2000, &answer), 0)
        << "the waiter answered";
    EXPECT_EQ(answer, 6u);
    EXPECT_FALSE(taken);
    lock.Release();
    ASSERT_TRUE(waiter.Join());
    EXPECT_TRUE(taken);
}

TEST(PumpingLock, YieldLetsGoOnlyForTheOutermostHold) {
    PumpingLock lock;
    auto otherTakes = [&] {
        bool taken = false;
        TestThread other([&] {
            taken = lock.Acquire(100);
            if (taken) lock.Release();
        });
        other.Join();
        return taken;
    };
    ASSERT_TRUE(lock.Acquire(0));
    {
        PumpingLockYield callOut(lock);
        EXPECT_FALSE(lock.HeldByThisThread());
        EXPECT_TRUE(otherTakes()) << "free during the call out";
    }
    EXPECT_TRUE(lock.HeldOnceByThisThread()) << "taken back afterwards";
    ASSERT_TRUE(lock.Acquire(0));
    {
        PumpingLockYield nested(lock);
        EXPECT_TRUE(lock.HeldByThisThread()) << "a pass further out still uses the state";
        EXPECT_FALSE(otherTakes());
    }
    lock.Release();
    lock.Release();
    EXPECT_FALSE(lock.HeldByThisThread());
}

}  // namespace
}  // namespace vt
