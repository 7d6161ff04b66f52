// A program with several GUI threads, the frame engine inside the test process: two threads
// make skinned windows, paint, tick, hit-test, retitle and resize them, send to each other's
// windows and destroy them, while a third switches the theme back and forth, all at once. The
// registry, the theme, the script engine, the drawing context and the pointer's state are the
// process's, shared by the three threads. Each window has a push button of the taken-over class,
// drawn with the theme's button bitmap in one of the two themes and by the system in the other.
// A fourth thread stands for the program's own work: it keeps opening a document by a relative
// name, which a theme load must never send elsewhere (the current directory is the program's).
//
// What counts as a fault: a crash; a message that was never answered (a deadlock shows as a send
// that times out); a wait for the theme lock that ran out or a pass that failed (a message
// answered without the theme, by the system, silently: what a script finding another thread's
// values on its stack comes to); a window the registry lost or kept after its end; a script value
// left on a stack; a notice. Without the theme lock the run crashes within seconds. It lasts
// VT_THREADS_SECONDS seconds (3 by default; bench/threads/run.sh runs 10) and records its figures
// as properties of the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ControllerConfig.h"
#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/win32/HookMessages.h"
#include "common/win32/UniqueHandle.h"
#include "hook/FrameWindowProc.h"
#include "hook/HookProc.h"
#include "script/EngineState.h"
#include "theme/win32/ThemeLock.h"

namespace vt {
namespace {

const char kClass[] = "VtGuiThreadsWindow";
constexpr COLORREF kCorner = test::Rgb(0, 0, 128), kCornerOff = test::Rgb(128, 128, 128);
// Longer than any wait for the theme lock: a send that runs out means nobody could answer.
constexpr UINT kAnswerMs = 5000;

DWORD RunSeconds() {
    const char* value = std::getenv("VT_THREADS_SECONDS");
    int seconds = value ? std::atoi(value) : 0;
    return seconds > 0 ? DWORD(seconds) : 3;
}

// What one thread did and what went wrong on it.
struct ThreadFigures {
    int windows = 0, sends = 0, switches = 0;
    int unanswered = 0;  // sends that ran out
    int lost = 0;        // windows made without a record, or whose record outlived them
    bool failed = false;  // an exception reached the thread's entry
};

class GuiThreads : public test::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (HasFatalFailure()) return;
        test::RegisterPlainClass(kClass);
        themeA_ = test::WritePaneTheme();
        themeB_ = test::WritePaneTheme(
            {{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"}, {"[MISC]", "[BUTTON]\nNORMAL=side\n[MISC]"}});
        UseTheme(themeA_);
        until_ = GetTickCount() + RunSeconds() * 1000;
    }

    // A window of the test's class, which the calling thread's hook registers as it is made.
    static HWND Open(int index) {
        HWND w = CreateWindowExA(0, kClass, "Threads", WS_OVERLAPPEDWINDOW, 10 + index % 40, 10 + index % 30, 240,
                                 160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (w)
            CreateWindowA("BUTTON", "Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 40, 80, 24, w, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
        return w;
    }

    bool Running() const { return LONG(GetTickCount() - until_) < 0; }

    // A send that must be answered; one to a window that has gone meanwhile fails otherwise.
    static void Send(ThreadFigures& f, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR ignored = 0;
        ++f.sends;
        SetLastError(0);
        if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &ignored) &&
            GetLastError() == ERROR_TIMEOUT)
            ++f.unanswered;
    }

    static LPARAM ScreenPoint(HWND window, int x, int y) {
        RECT outer{};
        GetWindowRect(window, &outer);
        return MAKELPARAM(outer.left + x, outer.top + y);
    }

    // What a program's thread does with a skinned window, and with the other thread's.
    void Exercise(ThreadFigures& f, HWND w, int index, HWND other) {
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        Send(f, w, WM_NCACTIVATE, TRUE, 0);
        Send(f, w, WM_NCPAINT, 1, 0);
        Send(f, w, repaint_, 7, 10);
        Send(f, w, Messages().tick, 0, 0);
        Send(f, w, WM_NCHITTEST, 0, ScreenPoint(w, 100, 10));  // the caption: the hover moves
        Send(f, w, WM_NCHITTEST, 0, ScreenPoint(w, 240 - 16, 12));  // close
        SetWindowTextA(w, index % 2 ? "Threads, odd" : "Threads, even");
        SetWindowPos(w, nullptr, 0, 0, 200 + index % 50, 120 + index % 40, SWP_NOMOVE | SWP_NOZORDER);
        if (other) {
            // Answered by the other thread, wherever it is: in its loop, or waiting for the lock.
            Send(f, other, WM_NCHITTEST, 0, ScreenPoint(other, 100, 10));
            Send(f, other, WM_NCPAINT, 1, 0);
        }
        Send(f, w, WM_NCACTIVATE, FALSE, 0);
        test::PumpMessages();
    }

    // One of the two window threads: windows made, used three times and destroyed, until the
    // time is up. `mine` shows the current window to the other thread.
    void RunWindows(ThreadFigures& f, std::atomic<HWND>& mine, std::atomic<HWND>& theirs) {
        UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        if (!hook) {
            f.failed = true;
            return;
        }
        for (int i = 0; Running(); ++i) {
            UniqueWindow w(Open(i));
            if (!w) {
                f.failed = true;
                return;
            }
            ++f.windows;
            std::optional<SubclassNode> record = state_->registry.Lookup(w.get());
            if (!record || !record->Has(SubclassNode::Themed)) ++f.lost;
            mine = w.get();
            for (int round = 0; round < 3; ++round) Exercise(f, w.get(), i + round, theirs.load());
            mine = nullptr;
            HWND gone = w.get();
            w.reset();
            if (state_->registry.Lookup(gone)) ++f.lost;
        }
        test::PumpMessages();
    }

    // The theme switched as a controller does, to a window of this thread: the registry's value,
    // then the change (the hook switches and tells every window of the process).
    void RunSwitches(ThreadFigures& f) {
        UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        UniqueWindow w(Open(0));
        if (!hook || !w) {
            f.failed = true;
            return;
        }
        std::uint32_t id = GetTickCount() | 1;
        for (int i = 0; Running(); ++i) {
            if (!WriteControllerValue("Theme", i % 2 ? themeA_ : themeB_)) f.failed = true;
            Send(f, w.get(), Messages().themeChanged, WPARAM(++id), 0);
            ++f.switches;
            test::PumpMessages();
            Sleep(20);
        }
    }

    // The program's own work: a document opened by its relative name until the others are done;
    // each open that fails counts as lost.
    void RunDocumentOpens(ThreadFigures& f) {
        while (!windowsDone_) {
            HANDLE file = CreateFileA("document.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) ++f.lost;
            else CloseHandle(file);
        }
    }

    struct ThreadStart {
        GuiThreads* test;
        ThreadFigures* figures;
        int role;  // 0 and 1: windows, 2: switches, 3: the document
    };

    static DWORD WINAPI ThreadEntry(void* parameter) {
        auto* start = static_cast<ThreadStart*>(parameter);
        try {
            GuiThreads& t = *start->test;
            if (start->role == 3) t.RunDocumentOpens(*start->figures);
            else if (start->role == 2) t.RunSwitches(*start->figures);
            else t.RunWindows(*start->figures, t.current_[start->role], t.current_[1 - start->role]);
        } catch (...) {
            start->figures->failed = true;
        }
        return 0;
    }

    std::string themeA_, themeB_;
    UINT repaint_ = 0;
    DWORD until_ = 0;
    std::atomic<HWND> current_[2] = {nullptr, nullptr};
    std::atomic<bool> windowsDone_{false};
};

TEST_F(GuiThreads, WindowsPaintedOnTwoThreadsWhileAThirdSwitchesThemes) {
    repaint_ = state_->frame->RepaintMessage();
    const std::size_t recordsBefore = state_->registry.Count();
    const std::uint32_t timeoutsBefore = ThemeLock().Timeouts();
    const std::uint32_t failedBefore = FailedFrameMessages();
    const DWORD started = GetTickCount();

    // The program's current directory holds its document; the themes live elsewhere.
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string documents = std::string(temp) + "vt-documents-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(documents.c_str(), nullptr);
    { std::ofstream(documents + "\\document.txt") << "the user's"; }
    char before[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryA(documents.c_str()));

    ThreadFigures figures[4];
    ThreadStart starts[4] = {{this, &figures[0], 0}, {this, &figures[1], 1}, {this, &figures[2], 2},
                             {this, &figures[3], 3}};
    UniqueKernelHandle threads[4];
    HANDLE handles[4];
    for (int i = 0; i < 4; ++i) {
        threads[i].reset(CreateThread(nullptr, 0, ThreadEntry, &starts[i], 0, nullptr));
        ASSERT_TRUE(threads[i]) << "thread " << i;
        handles[i] = threads[i].get();
    }
    // The test's own thread answers what the others send it meanwhile.
    const DWORD limit = RunSeconds() * 1000 + 60000;
    bool ended = false;
    while (!ended && LONG(GetTickCount() - started) < LONG(limit)) {
        windowsDone_ = WaitForMultipleObjects(3, handles, TRUE, 0) == WAIT_OBJECT_0;
        ended = WaitForMultipleObjects(4, handles, TRUE, 0) == WAIT_OBJECT_0;
        if (!ended) MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_SENDMESSAGE);
        test::PumpMessages();
    }
    if (!ended) {
        for (HANDLE thread : handles) TerminateThread(thread, 1);
        FAIL() << "the threads hung; windows " << figures[0].windows << " and " << figures[1].windows
               << ", switches " << figures[2].switches;
    }
    test::PumpMessages();
    const double seconds = double(GetTickCount() - started) / 1000.0;
    char after[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(MAX_PATH, after);
    SetCurrentDirectoryA(before);
    EXPECT_STREQ(after, documents.c_str()) << "the program's current directory stays";
    DeleteFileA((documents + "\\document.txt").c_str());
    RemoveDirectoryA(documents.c_str());

    ThreadFigures total;
    for (const ThreadFigures& f : figures) {
        total.windows += f.windows, total.sends += f.sends, total.switches += f.switches;
        total.unanswered += f.unanswered, total.lost += f.lost, total.failed = total.failed || f.failed;
    }
    const std::uint32_t lockTimeouts = ThemeLock().Timeouts() - timeoutsBefore;
    const std::uint32_t failedMessages = FailedFrameMessages() - failedBefore;
    const std::size_t recordsLeft = state_->registry.Count() - recordsBefore;
    const ScriptEngine* scripts = LoadedTheme().Scripts.get();
    const bool stacksEmpty = !scripts || (scripts->DataStack().Empty() && scripts->ReturnStack().Empty());
    const int faults = total.unanswered + total.lost + int(lockTimeouts) + int(failedMessages) + int(recordsLeft) + !stacksEmpty +
                       int(total.failed) + int(notices_.size());
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("windows", total.windows);
    RecordProperty("sends", total.sends);
    RecordProperty("switches", total.switches);
    RecordProperty("faults", faults);

    EXPECT_FALSE(total.failed) << "a thread could not make its hook or window, or failed";
    EXPECT_GT(figures[0].windows, 0);
    EXPECT_GT(figures[1].windows, 0);
    EXPECT_GT(total.switches, 1);
    EXPECT_EQ(total.unanswered, 0) << "every send answered";
    EXPECT_EQ(lockTimeouts, 0u) << "no message answered without the theme";
    EXPECT_EQ(failedMessages, 0u) << "no pass failed (a script finding another's values on its stack, a theme gone)";
    EXPECT_EQ(total.lost - figures[3].lost, 0) << "each window registered while it lived, and only then";
    EXPECT_EQ(figures[3].lost, 0) << "the program's document opened by its relative name every time";
    EXPECT_EQ(recordsLeft, 0u) << "no record outlives its window";
    EXPECT_TRUE(stacksEmpty) << "no script value left behind";

    // The engine is whole afterwards: a window of this thread is skinned by the last theme.
    UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
    UniqueWindow w(Open(0));
    ASSERT_TRUE(w);
    SetWindowPos(w.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    SendMessageA(w.get(), WM_NCPAINT, 1, 0);
    test::PumpMessages();
    const COLORREF corner = test::WindowPixel(w.get(), 5, 10);
    EXPECT_TRUE(corner == kCorner || corner == kCornerOff) << "corner pixel " << std::hex << corner;
}

}  // namespace
}  // namespace vt
