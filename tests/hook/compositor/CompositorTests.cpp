// What skinned windows tell the desktop compositor, as the stand-in dwmapi.dll beside the test
// program records it (the program runs with WINEDLLOVERRIDES=dwmapi=n).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "ControllerConfig.h"
#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "StandInDwmapi.h"
#include "common/win32/HookMessages.h"
#include "common/win32/UniqueHandle.h"
#include "hook/HookProc.h"

namespace vt {
namespace {

constexpr DWORD kRenderingPolicy = 2, kCornerPreference = 33;
constexpr UINT kDwmCompositionChanged = 0x031E;

// (attribute, value) in the order asked.
using Attributes = std::vector<std::pair<DWORD, DWORD>>;
const Attributes kOurs{{kRenderingPolicy, 1}, {kCornerPreference, 1}};     // DISABLED, DONOTROUND
const Attributes kSystems{{kRenderingPolicy, 0}, {kCornerPreference, 0}};  // USEWINDOWSTYLE, DEFAULT

StandInCallsFunction StandIn() {
    HMODULE module = GetModuleHandleA("dwmapi.dll");
    return module ? reinterpret_cast<StandInCallsFunction>(reinterpret_cast<void*>(GetProcAddress(module, "StandInCalls"))) : nullptr;
}

Attributes AskedFor(HWND window) {
    Attributes asked;
    StandInCallsFunction calls = StandIn();
    LONG count = 0;
    const StandInCall* all = calls ? calls(&count) : nullptr;
    for (LONG i = 0; i < count; ++i) {
        if (all[i].window == window) asked.emplace_back(all[i].attribute, all[i].value);
    }
    return asked;
}

// What the window was told last: the state the compositor has it in.
Attributes Now(HWND window) {
    Attributes asked = AskedFor(window);
    return asked.size() <= 2 ? asked : Attributes(asked.end() - 2, asked.end());
}

// What each window had been told when its first WM_NCPAINT came (a hook sees it before any
// window procedure does).
std::map<HWND, Attributes> g_atFirstPaint;
LRESULT CALLBACK WatchFirstPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code >= 0 && sent && sent->message == WM_NCPAINT && !g_atFirstPaint.count(sent->hwnd))
        g_atFirstPaint[sent->hwnd] = AskedFor(sent->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CompositorTest : public test::EngineTest {
protected:
    void SetUp() override {
        test::EngineTest::SetUp();
        theme_ = test::WritePaneTheme();
        // The module's hook first, then the watcher: the watcher runs before it.
        hook_.reset(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        watch_.reset(SetWindowsHookExA(WH_CALLWNDPROC, WatchFirstPaint, nullptr, GetCurrentThreadId()));
        ASSERT_TRUE(hook_ && watch_);
    }
    void TearDown() override {
        watch_.reset();
        hook_.reset();
        test::EngineTest::TearDown();
    }
public:
    // A theme change as a controller makes it: the registry's value, then the message.
    void SwitchTo(HWND window, const std::string& theme) {
        ASSERT_TRUE(WriteControllerValue("Theme", theme));
        SendMessageA(window, Messages().themeChanged, WPARAM(++themeId_), 0);
        test::PumpMessages();
    }

    std::string theme_;
    UniqueHook hook_, watch_;
    std::uint32_t themeId_ = GetTickCount() | 1;
};

TEST_F(CompositorTest, FrameIsOursBeforeTheFirstPaintAndTheSystemsOnEveryWayOut) {
    struct Row {
        const char* way;
        bool ownFrame;  // the program answers the client-area calculation itself
        std::function<void(CompositorTest&, HWND)> act;
        Attributes after;
    } rows[] = {
        {"the stop", false, [](CompositorTest&, HWND w) { SendMessageA(w, Messages().unhook, 0, 0); }, kSystems},
        {"a theme switch to none", false, [](CompositorTest& t, HWND w) { t.SwitchTo(w, ""); }, kSystems},
        {"a switch to none and back", false,
         [](CompositorTest& t, HWND w) {
             t.SwitchTo(w, "");
             t.SwitchTo(w, t.theme_);
         },
         kOurs},
        {"a program that draws its own frame", true, nullptr, kSystems},
    };
    for (const Row& row : rows) {
        UseTheme(theme_);
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
        if (row.ownFrame) {
            window.SetHandler([](UINT message, WPARAM, LPARAM, LRESULT& result) {
                result = 0;  // the whole window is client area
                return message == WM_NCCALCSIZE;
            });
        }
        const HWND w = window.Handle();
        ShowWindow(w, SW_SHOWNOACTIVATE);
        UpdateWindow(w);
        test::PumpMessages();
        ASSERT_NE(StandIn(), nullptr) << row.way << ": the stand-in dwmapi.dll was not loaded (DLL override)";
        if (!row.ownFrame) {
            ASSERT_TRUE(g_atFirstPaint.count(w)) << row.way << ": never painted";
            EXPECT_EQ(g_atFirstPaint[w], kOurs) << row.way << ": before the first paint";
        }
        if (row.act) row.act(*this, w);
        test::PumpMessages();
        EXPECT_EQ(Now(w), row.after) << row.way;
        state_->registry.UnsubclassAll();
    }
}

TEST_F(CompositorTest, ToldAgainWhenTheCompositorOrTheVisualStyleChanges) {
    UseTheme(theme_);
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND w = window.Handle();
    for (UINT message : {kDwmCompositionChanged, UINT(WM_THEMECHANGED)}) {
        const std::size_t before = AskedFor(w).size();
        window.ClearSeen();
        SendMessageA(w, message, 0, 0);
        EXPECT_EQ(AskedFor(w).size(), before + 2) << std::hex << message;
        EXPECT_EQ(Now(w), kOurs) << std::hex << message;
        EXPECT_EQ(window.Seen(), std::vector<UINT>{message}) << "the program hears of it too";
    }
}

TEST_F(CompositorTest, NothingIsAskedWithoutATheme) {
    ASSERT_TRUE(WriteControllerValue("Theme", ""));
    state_->Theme().SwitchTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    test::PumpMessages();
    EXPECT_TRUE(AskedFor(window.Handle()).empty());
}

}  // namespace
}  // namespace vt
