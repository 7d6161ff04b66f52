// Every entry point of the module with its work failing: the host sees its message answered as
// without the module (by DefWindowProc, or by the system's button procedure), the hook chain go
// on, and each export return.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "HookTestSupport.h"
#include "common/EntryFault.h"
#include "common/win32/HookMessages.h"
#include "common/win32/UniqueHandle.h"
#include "frame/win32/NullFrameEngine.h"
#include "hook/HookProc.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"
#include "theme/controls/win32/TvtButtonWin32.h"
#include "theme/model/TTheme.h"

extern "C" {
void WINAPI InstallHook();
void WINAPI RemoveHook();
void WINAPI GetThemeInfo(char* buffer, std::uint32_t size);
}

namespace vt {
namespace {

using test::RecordingWindow;

constexpr LRESULT kThemeHit = 77;  // no hit code DefWindowProc gives

// A loaded theme whose operation named `failIn` throws.
class FailingFrame : public NullFrameEngine {
public:
    bool ThemeLoaded() const override { return Reach("ThemeLoaded"); }
    LRESULT HitTest(ThemeView&, HWND, WPARAM, LPARAM) override { return Reach("HitTest") ? kThemeHit : 0; }
    void SwitchTheme() override { Reach("SwitchTheme"); }
    std::vector<std::string> ThemeInfo() const override { return {Reach("ThemeInfo") ? "Name=fine" : ""}; }

    std::string failIn;
    mutable bool failed = false;

private:
    bool Reach(const char* operation) const {
        if (failIn != operation) return true;
        failed = true;
        throw std::runtime_error(operation);
    }
};

std::string g_failedEntry;
std::vector<UINT> g_nextHookSaw;

void FailEntry(const char* entry) {
    g_failedEntry = entry;
    throw std::runtime_error(entry);
}

// Stands for the hook installed before ours.
LRESULT CALLBACK NextHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) g_nextHookSaw.push_back(reinterpret_cast<const CWPSTRUCT*>(lParam)->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class EntryFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureModuleStarted());
        state_ = ModuleStateIfStarted();
        auto fake = std::make_unique<FailingFrame>();
        frame_ = fake.get();
        previous_ = std::exchange(state_->frame, std::move(fake));
        savedEnabled_ = state_->sharedArea.NewWindowsEnabled();
        state_->sharedArea.SetNewWindowsEnabled(true);
        g_failedEntry.clear();
    }
    void TearDown() override {
        g_entryFault = nullptr;
        frame_->failIn.clear();
        state_->registry.UnsubclassAll();
        state_->frame = std::move(previous_);
        state_->sharedArea.SetNewWindowsEnabled(savedEnabled_);
    }

    ModuleState* state_ = nullptr;
    std::unique_ptr<FrameEngine> previous_;
    FailingFrame* frame_ = nullptr;  // owned by the module state while the test runs
    bool savedEnabled_ = true;
};

TEST_F(EntryFaultTest, FrameWindowProcAnswersWithDefWindowProc) {
    for (const char* failIn : {"ThemeLoaded", "HitTest"}) {
        RecordingWindow window(WS_OVERLAPPEDWINDOW);
        state_->registry.RegisterWindow(window.Handle(), true);
        frame_->failIn = failIn;
        frame_->failed = false;
        const LPARAM point = MAKELPARAM(20, 20);
        LRESULT result = SendMessageA(window.Handle(), WM_NCHITTEST, 0, point);
        EXPECT_TRUE(frame_->failed) << failIn;
        EXPECT_EQ(result, DefWindowProcA(window.Handle(), WM_NCHITTEST, 0, point)) << failIn;
        frame_->failIn.clear();
        EXPECT_EQ(SendMessageA(window.Handle(), WM_NCHITTEST, 0, point), kThemeHit) << failIn << ": the next one is ours";
        state_->registry.UnregisterWindow(window.Handle());
    }
}

TEST_F(EntryFaultTest, HookProcCallsTheNextHookAndTheMessageArrives) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    UniqueHook next(SetWindowsHookExA(WH_CALLWNDPROC, NextHook, nullptr, GetCurrentThreadId()));
    UniqueHook ours(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(next && ours);
    frame_->failIn = "SwitchTheme";
    const UINT themeChanged = Messages().themeChanged;
    g_nextHookSaw.clear();
    window.ClearSeen();
    SendMessageA(window.Handle(), themeChanged, WPARAM(state_->lastThemeId + 1), 0);  // an identity not acted on
    ours.reset();
    next.reset();
    EXPECT_TRUE(frame_->failed) << "the theme switch was reached";
    EXPECT_EQ(std::count(g_nextHookSaw.begin(), g_nextHookSaw.end(), themeChanged), 1);
    EXPECT_EQ(window.Seen(), std::vector<UINT>{themeChanged});
}

TEST_F(EntryFaultTest, ExportsReturn) {
    struct Row {
        const char* name;
        EntryFault fault;
        const char* frameFailIn;
        void (*call)();
        const char* failedEntry;
    } rows[] = {
        {"InstallHook", FailEntry, "", [] { ::InstallHook(); }, "InstallHook"},
        {"RemoveHook", FailEntry, "", [] { ::RemoveHook(); }, "RemoveHook"},
        {"GetThemeInfo", FailEntry, "", [] { char b[16]; ::GetThemeInfo(b, sizeof b); }, "GetThemeInfo"},
        {"GetThemeInfo, theme information failing", nullptr, "ThemeInfo",
         [] { char b[16]; ::GetThemeInfo(b, sizeof b); }, ""},
    };
    for (const Row& row : rows) {
        g_failedEntry.clear();
        g_entryFault = row.fault;
        frame_->failIn = row.frameFailIn;
        frame_->failed = false;
        row.call();  // returns: nothing escaped
        EXPECT_EQ(g_failedEntry, row.failedEntry) << row.name;
        EXPECT_EQ(frame_->failed, *row.frameFailIn != '\0') << row.name;
    }
}

TEST_F(EntryFaultTest, ButtonPaintingFailureLeavesTheSystemsDrawing) {
    ThemeState theme;
    CreateThemeStructures(theme);
    TThemeItem& face = theme.Theme->Items().Add();
    face.SetName("face");
    face.Bitmap().SetSize(4, 4);
    theme.Button.LoadLine("NORMAL=face", *theme.Theme);
    ControlList controls;
    TvtButtonWin32 themed(controls, theme);
    themed.Install();
    ASSERT_NE(theme.Button.Normal(), nullptr);
    UniqueWindow parent(CreateWindowA("STATIC", "parent", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
    UniqueWindow button(CreateWindowA("BUTTON", "press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 60, 24,
                                      parent.get(), nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button.get(), GWLP_WNDPROC)), ButtonWindowProc);
    g_entryFault = FailEntry;
    EXPECT_EQ(SendMessageA(button.get(), WM_PAINT, 0, 0), 0) << "painted by the system's procedure";
    EXPECT_EQ(g_failedEntry, "ButtonWindowProc");
    g_entryFault = nullptr;
    char text[16] = {};
    EXPECT_EQ(SendMessageA(button.get(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "press");
    button.reset();
    parent.reset();
    themed.Uninstall();
}

}  // namespace
}  // namespace vt
