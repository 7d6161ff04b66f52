// Churn with the frame engine inside the test process and the hook choosing this thread's
// windows as it does in any program: many skinned windows made, painted and destroyed, theme
// switches while windows are open, many paints of one window. The module lives inside other
// people's programs for as long as they run, so each of these must leave the process as it found
// it: as many GDI objects (and USER objects, where Wine counts them), as many bytes held in its
// heaps, about as many private bytes, and no record of a window that is gone.
//
// Each run measures after a warm-up round (the first paint makes the theme's GDI forms; the
// runtime and Wine fill caches once). VT_CHURN_LONG=1 runs the long versions (bench/churn/run.sh
// reports their figures from the properties recorded here). The pointer hovers and presses the
// close button of every window and moves on.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "ControllerConfig.h"
#include "HeapUse.h"
#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/Notice.h"
#include "common/win32/HookMessages.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/win32/GdiObjectCount.h"
#include "hook/HookProc.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"

namespace vt {
namespace {

using test::Rgb;

constexpr COLORREF kCorner = Rgb(0, 0, 128), kCornerOff = Rgb(128, 128, 128);
// What the heaps may hold more after a run: well below what one small block leaked per window,
// switch or paint would add over the CI counts.
constexpr SIZE_T kHeapSlack = 4 * 1024;
// Private bytes also move with the heaps' own growth (a few pages, once); they watch the memory
// no heap holds (VirtualAlloc, Wine's own mappings).
constexpr SIZE_T kPrivateSlack = 256 * 1024;

bool LongRun() {
    const char* value = std::getenv("VT_CHURN_LONG");
    return value && *value && std::string(value) != "0";
}

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters))
        return 0;
    // Wine leaves PrivateUsage 0; PagefileUsage is the same commit charge.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

struct Counts {
    DWORD gdi = 0, user = 0;  // 0: not reported
    SIZE_T heap = 0, privateBytes = 0;
    std::size_t records = 0;  // of the registry, windows of Wine's own (IME, OLE) included
};

const char kClass[] = "VtChurnWindow";

// How many windows of the test's class have a record.
std::size_t OurRecords(const SubclassRegistry& registry) {
    std::size_t ours = 0;
    for (SubclassNode* node = registry.Newest(); node; node = node->next) {
        char name[sizeof kClass + 1] = {};
        ours += GetClassNameA(node->window, name, sizeof name) && std::string(name) == kClass;
    }
    return ours;
}

Counts Measure(ModuleState& state) {
    Counts c;
    c.gdi = test::LiveGdiObjects();
    c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    c.heap = HeapBytesInUse();
    c.privateBytes = PrivateBytes();
    c.records = state.registry.Count();
    return c;
}

class Churn : public test::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (HasFatalFailure()) return;
        // A class of our own: the test's recording windows keep every message they see.
        test::RegisterPlainClass(kClass);
        hook_.reset(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        ASSERT_TRUE(hook_);
        themeA_ = test::WritePaneTheme();
        themeB_ = test::WritePaneTheme({{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"}});
        UseTheme(themeA_);
    }
    void TearDown() override {
        hook_.reset();
        EngineTest::TearDown();
    }

    // A window of the test's class, registered by the hook as it is created.
    UniqueWindow Open(int index) {
        UniqueWindow w(CreateWindowExA(0, kClass, "Churn", WS_OVERLAPPEDWINDOW, 10 + index % 40, 10 + index % 30, 240,
                                       160, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
        return w;
    }
    // What a skinned window goes through in a program: shown, activated, painted whole and in
    // part, hovered and pressed, ticked, retitled, resized, deactivated.
    void Exercise(HWND w, int index) {
        SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        SendMessageA(w, WM_NCPAINT, 1, 0);
        SendMessageA(w, state_->frame->RepaintMessage(), 7, 10);
        RECT r{};
        GetWindowRect(w, &r);
        const LPARAM close = MAKELPARAM(r.right - 16, r.top + 12), caption = MAKELPARAM(r.left + 60, r.top + 10);
        SendMessageA(w, WM_NCHITTEST, 0, close);        // hovered: its words run, it is drawn hot
        SendMessageA(w, WM_NCLBUTTONDOWN, 256, close);  // pressed
        SendMessageA(w, WM_NCHITTEST, 0, caption);      // moved on, the button up: released, no command
        SendMessageA(w, WM_NCLBUTTONUP, HTCAPTION, caption);
        SendMessageA(w, Messages().tick, 0, 0);
        SetWindowTextA(w, index % 2 ? "Churn, odd" : "Churn, even");
        SetWindowPos(w, nullptr, 0, 0, 200 + index % 50, 120 + index % 40, SWP_NOMOVE | SWP_NOZORDER);
        SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
        test::PumpMessages();
    }
    bool Skinned(HWND w) {
        COLORREF corner = test::WindowPixel(w, 5, 10);
        return corner == kCorner || corner == kCornerOff;
    }
    // Switches every window of the process to `path` as a controller does: the registry's
    // value, then the change sent (here to one window; the hook passes it to the others).
    void SwitchTo(const std::string& path, HWND anyWindow) {
        ASSERT_TRUE(WriteControllerValue("Theme", path));
        SendMessageA(anyWindow, Messages().themeChanged, WPARAM(++themeId_), 0);
        test::PumpMessages();
    }

    // Flat after the run, and the figures in the report.
    void Check(const char* kind, int rounds, const Counts& before, const Counts& after) {
        RecordProperty("kind", kind);
        RecordProperty("rounds", rounds);
        RecordProperty("gdi_before", int(before.gdi));
        RecordProperty("gdi_after", int(after.gdi));
        RecordProperty("user_before", int(before.user));
        RecordProperty("user_after", int(after.user));
        RecordProperty("heap_before", std::to_string(before.heap));
        RecordProperty("heap_after", std::to_string(after.heap));
        RecordProperty("private_before", std::to_string(before.privateBytes));
        RecordProperty("private_after", std::to_string(after.privateBytes));
        RecordProperty("records_before", int(before.records));
        RecordProperty("records_after", int(after.records));
        if (before.gdi) {
            EXPECT_EQ(after.gdi, before.gdi) << kind << ": GDI objects";
        }
        if (before.user) {
            EXPECT_EQ(after.user, before.user) << kind << ": USER objects";
        }
        EXPECT_LE(after.heap, before.heap + kHeapSlack) << kind << ": heap bytes in use";
        if (before.privateBytes) {
            EXPECT_LE(after.privateBytes, before.privateBytes + kPrivateSlack) << kind << ": private bytes";
        }
        EXPECT_EQ(after.records, before.records) << kind << ": records of windows";
    }

    UniqueHook hook_;
    std::string themeA_, themeB_;
    std::uint32_t themeId_ = GetTickCount() | 1;
};

TEST_F(Churn, WindowsMadePaintedAndDestroyed) {
    const int total = LongRun() ? 1000 : 300;
    constexpr int kOpenAtOnce = 10;
    auto batch = [&](int first) {
        std::vector<UniqueWindow> windows;
        for (int i = 0; i < kOpenAtOnce; ++i) {
            windows.push_back(Open(first + i));
            ASSERT_TRUE(windows.back()) << "window " << first + i;
        }
        ASSERT_EQ(OurRecords(state_->registry), std::size_t(kOpenAtOnce)) << "the hook took every window on";
        for (int i = 0; i < kOpenAtOnce; ++i) Exercise(windows[i].get(), first + i);
        EXPECT_TRUE(Skinned(windows.front().get())) << "window " << first;
    };
    batch(0);  // warm-up
    const Counts before = Measure(*state_);
    for (int first = 0; first < total && !HasFatalFailure(); first += kOpenAtOnce) batch(first);
    Check("windows", total, before, Measure(*state_));
    EXPECT_EQ(state_->registry.Count(), 0u) << "no record outlives its window";
}

TEST_F(Churn, ThemeSwitchesWhileWindowsAreOpen) {
    const int switches = LongRun() ? 100 : 30;
    constexpr std::size_t kOpen = 5;
    std::vector<UniqueWindow> windows;
    for (std::size_t i = 0; i < kOpen; ++i) {
        windows.push_back(Open(i));
        ASSERT_TRUE(windows.back());
        Exercise(windows.back().get(), int(i));
    }
    auto round = [&](int i) {
        const bool b = i % 2 == 0;
        SwitchTo(b ? themeB_ : themeA_, windows[i % windows.size()].get());
        for (UniqueWindow& w : windows) {
            EXPECT_EQ(test::ClientInWindow(w.get()).left, b ? 10 : 4) << "switch " << i << ": the new frame taken";
            SendMessageA(w.get(), WM_NCPAINT, 1, 0);
        }
    };
    round(0), round(1);  // warm-up, back at theme A
    const Counts before = Measure(*state_);
    for (int i = 0; i < switches && !HasFailure(); ++i) round(i);
    EXPECT_TRUE(Skinned(windows.front().get()));
    Check("theme switches", switches, before, Measure(*state_));
    windows.clear();
    EXPECT_EQ(state_->registry.Count(), 0u) << "the windows gone, their records too";
}

TEST_F(Churn, ManyPaintsOfOneWindow) {
    const int paints = LongRun() ? 20000 : 5000;
    UniqueWindow w = Open(0);
    ASSERT_TRUE(w);
    Exercise(w.get(), 0);
    auto paint = [&](int i) {
        if (i % 100 == 0) SendMessageA(w.get(), WM_NCACTIVATE, (i / 100) % 2 == 0, 0);
        else SendMessageA(w.get(), WM_NCPAINT, 1, 0);
    };
    for (int i = 0; i < 200; ++i) paint(i);  // warm-up, both looks
    const Counts before = Measure(*state_);
    for (int i = 0; i < paints; ++i) paint(i);
    EXPECT_TRUE(Skinned(w.get()));
    Check("frame paints", paints, before, Measure(*state_));
    w.reset();
    EXPECT_EQ(state_->registry.Count(), 0u) << "the window gone, its record too";
}

}  // namespace
}  // namespace vt
