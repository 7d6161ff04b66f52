// The frame window procedure's dispatch, against a frame engine that records what it is asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <memory>
#include <string>
#include <utility>

#include "HookTestSupport.h"
#include "frame/win32/NullFrameEngine.h"
#include "hook/FrameWindowProc.h"
#include "common/win32/HookMessages.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"

namespace vt {
namespace {

using test::RecordingWindow;

// A system command DefWindowProc does nothing with (the real ones start modal loops or close).
constexpr WPARAM kHarmlessCommand = 0xF1F0;

// A loaded theme whose operations answer what the test set and log their calls: the window
// procedure's side of the engine (FrameTheme, FrameAppearance, FrameInputHandler) and its menus.
class FakeFrame : public NullFrameEngine, public FrameMenus {
public:
    bool ThemeLoaded() const override { return loaded; }
    SizeFixups Fixups(ThemeView&) const override { return fixups; }
    UINT RepaintMessage() const override { return RegisterWindowMessageA("Veltrane Repaint Message"); }

    LRESULT CalcClientArea(ThemeView&, HWND, WPARAM, LPARAM) override { return Log("CalcClientArea", 0); }
    void PaintFrame(ThemeView&, HWND, bool active) override { Log("PaintFrame(" + std::to_string(active) + ")", 0); }
    void RepaintElements(ThemeView&, HWND, std::intptr_t first, std::intptr_t second, bool) override {
        Log("RepaintElements(" + std::to_string(first) + "," + std::to_string(second) + ")", 0);
    }
    void RunIdleScripts(ThemeView&, HWND, bool) override { Log("RunIdleScripts", 0); }

    LRESULT HitTest(ThemeView&, HWND, WPARAM, LPARAM) override { return Log("HitTest", 77); }
    bool SetFrameCursor(HWND, WPARAM, WORD hit) override {
        return Log("SetFrameCursor(" + std::to_string(hit) + ")", cursorSet) != 0;
    }
    MessageAnswer ButtonDown(ThemeView&, HWND, WPARAM, LPARAM) override {
        LRESULT result = Log("ButtonDown", buttonDown);
        return {result == 1 ? Handling::PassOn : Handling::Handled, result};
    }
    ShrinkRequest ButtonUp(ThemeView&, HWND, WPARAM, LPARAM, bool) override {
        Log("ButtonUp", 0);
        return ShrinkRequest::Keep;
    }
    CommandAnswer SystemCommand(ThemeView&, HWND window, WPARAM, LPARAM, bool) override {
        LRESULT r = Log(window == commandTarget ? "SystemCommand(target)" : "SystemCommand(other)", systemCommand);
        return {r == 0 ? Handling::Handled : Handling::PassOn, ShrinkRequest::Keep};
    }
    void ReleasePressed(ThemeView&, HWND) override { Log("ReleasePressed", 0); }
    void StandDown(ThemeView&, HWND) override { Log("StandDown", 0); }

    FrameMenus* Menus() override { return this; }
    void PaintMenuBar(GdiSurface&, HWND, HMENU, const Rect&) override { Log("PaintMenuBar", 0); }
    bool TrackMenu(HWND, std::uint32_t, MenuTracking mode) override {
        return Log(mode == MenuTracking::Measure ? "TrackMenu(Measure)" : "TrackMenu(other)", 0) != 0;
    }
    void StartMenuHook() override { Log("StartMenuHook", 0); }
    void StopMenuHook() override { Log("StopMenuHook", 0); }
    void SetPopupMenu(HMENU, int item) override { Log("SetPopupMenu(" + std::to_string(item) + ")", 0); }

    LRESULT Log(const std::string& call, LRESULT result) {
        if (!calls.empty()) calls += " ";
        calls += call;
        if (call.rfind(throwIn, 0) == 0 && !throwIn.empty()) throw std::runtime_error("faulty theme");
        return result;
    }

    bool loaded = true;
    SizeFixups fixups;
    LRESULT cursorSet = 0, buttonDown = 1, systemCommand = 1;
    HWND commandTarget = nullptr;
    std::string throwIn;  // an operation whose name starts so fails
    std::string calls;
};

class FrameWindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureModuleStarted());
        state_ = ModuleStateIfStarted();
        auto fake = std::make_unique<FakeFrame>();
        frame_ = fake.get();
        previous_ = std::exchange(state_->frame, std::move(fake));
    }
    void TearDown() override {
        state_->registry.UnsubclassAll();
        state_->frame = std::move(previous_);
    }
    void Register(const RecordingWindow& window, bool themed = true) {
        state_->registry.RegisterWindow(window.Handle(), themed);
        ASSERT_EQ(GetWindowLongPtrA(window.Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&FrameWindowProc));
    }
    SIZE WindowSize(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    ModuleState* state_ = nullptr;
    std::unique_ptr<FrameEngine> previous_;
    FakeFrame* frame_ = nullptr;  // owned by the module state while the test runs
};

struct DispatchRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    std::function<void(FakeFrame&)> setUp;
    LRESULT result;
    const char* calls;
    bool reachesOwn;
};

TEST_F(FrameWindowProcTest, ThemedDispatch) {
    RECT rect{0, 0, 100, 100};
    const DispatchRow rows[] = {
        {"hit test is the theme's", WM_NCHITTEST, 0, nullptr, 77, "HitTest", false},
        {"client area is the theme's (the program's own answer is compared once)", WM_NCCALCSIZE, 0, nullptr, 0,
         "CalcClientArea", true},
        {"frame painting is the theme's", WM_NCPAINT, 1, nullptr, 0, "PaintFrame(0)", false},
        {"activation never reaches the window and keeps a press (a click that activates)", WM_NCACTIVATE, 1, nullptr,
         TRUE, "PaintFrame(1)", false},
        {"deactivation paints inactive", WM_NCACTIVATE, 0, nullptr, TRUE, "ReleasePressed PaintFrame(0)", false},
        {"button up is the theme's", WM_NCLBUTTONUP, HTCLOSE, nullptr, 0, "ButtonUp", false},
        {"button down left to the window", WM_NCLBUTTONDOWN, HTCLIENT, nullptr, 0, "ButtonDown", true},
        {"button down taken", WM_NCLBUTTONDOWN, HTCLOSE, [](FakeFrame& f) { f.buttonDown = 7; }, 7, "ButtonDown", false},
        {"system command left to the window", WM_SYSCOMMAND, kHarmlessCommand, nullptr, 0, "SystemCommand(target)", true},
        {"system command handled", WM_SYSCOMMAND, kHarmlessCommand, [](FakeFrame& f) { f.systemCommand = 0; }, 0,
         "SystemCommand(target)", false},
        {"mouse over the menu bar tracks it", WM_NCMOUSEMOVE, kMenuBarHitCode, nullptr, 0, "TrackMenu(Measure)", false},
        {"mouse elsewhere passes", WM_NCMOUSEMOVE, HTCAPTION, nullptr, 0, "", true},
        {"cursor set by the theme", WM_SETCURSOR, 0, [](FakeFrame& f) { f.cursorSet = 1; }, TRUE, "SetFrameCursor(2)",
         false},
        {"cursor left to the window", WM_SETCURSOR, 0, nullptr, 0, "SetFrameCursor(2)", true},
        {"menu popup noted", WM_INITMENUPOPUP, 0, nullptr, 0, "SetPopupMenu(2)", true},
        {"menu loop start", WM_ENTERMENULOOP, 0, nullptr, 0, "StartMenuHook", true},
        {"menu loop end repaints", WM_EXITMENULOOP, 0, nullptr, 0, "StopMenuHook PaintFrame(0)", true},
        {"other messages pass", WM_USER + 9, 0, nullptr, 0, "", true},
        {"an error is answered by DefWindowProc", WM_NCLBUTTONUP, HTCLOSE, [](FakeFrame& f) { f.throwIn = "ButtonUp"; },
         0, "ButtonUp", false},
    };
    for (const DispatchRow& row : rows) {
        RecordingWindow window(WS_OVERLAPPEDWINDOW);
        Register(window);
        *frame_ = FakeFrame();
        frame_->commandTarget = window.Handle();
        if (row.setUp) row.setUp(*frame_);
        window.ClearSeen();
        LPARAM lParam = row.message == WM_NCCALCSIZE ? reinterpret_cast<LPARAM>(&rect) : MAKELPARAM(2, 0);
        LRESULT result = SendMessageA(window.Handle(), row.message, row.wParam, lParam);
        EXPECT_EQ(result, row.result) << row.name;
        EXPECT_EQ(frame_->calls, row.calls) << row.name;
        bool reached = std::find(window.Seen().begin(), window.Seen().end(), row.message) != window.Seen().end();
        EXPECT_EQ(reached, row.reachesOwn) << row.name;
        state_->registry.UnregisterWindow(window.Handle());
    }
}

// Which windows the theme frames, and the system's own caption drawing kept off a framed one.
TEST_F(FrameWindowProcTest, KindsOfWindowsAndTheSystemsCaptionDrawing) {
    struct Row {
        const char* name;
        DWORD style;
        bool answersClientArea;  // the program calculates its client area itself
        UINT message;
        WPARAM wParam;
        const char* calls;
        bool reachesOwn;
    };
    static char title[] = "New title";
    const Row rows[] = {
        {"a sizable window is framed", WS_OVERLAPPEDWINDOW, false, WM_NCPAINT, 1, "PaintFrame(0)", false},
        {"a fixed dialog is framed", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, false, WM_NCPAINT, 1,
         "PaintFrame(0)", false},
        {"a program that draws its own frame keeps it", WS_OVERLAPPEDWINDOW, true, WM_NCPAINT, 1, "", true},
        {"a window without a title bar keeps its own frame", WS_POPUP | WS_THICKFRAME | WS_SYSMENU, false, WM_NCPAINT,
         1, "", true},
        {"a new title is drawn by the theme only", WS_OVERLAPPEDWINDOW, false, WM_SETTEXT, 0, "PaintFrame(0)", true},
        {"a new icon too", WS_OVERLAPPEDWINDOW, false, WM_SETICON, ICON_SMALL, "PaintFrame(0)", true},
        {"the system's own caption messages are swallowed", WS_OVERLAPPEDWINDOW, false, 0x00AE, 0, "", false},
    };
    for (const Row& row : rows) {
        RecordingWindow window(row.style);
        if (row.answersClientArea) {
            window.SetHandler([](UINT message, WPARAM, LPARAM, LRESULT& result) {
                result = 0;
                return message == WM_NCCALCSIZE;  // the whole window is client area
            });
        }
        Register(window);
        SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        frame_->calls.clear();
        window.ClearSeen();
        LPARAM lParam = row.message == WM_SETTEXT ? reinterpret_cast<LPARAM>(title) : 0;
        SendMessageA(window.Handle(), row.message, row.wParam, lParam);
        EXPECT_EQ(frame_->calls, row.calls) << row.name;
        bool reached = std::find(window.Seen().begin(), window.Seen().end(), row.message) != window.Seen().end();
        EXPECT_EQ(reached, row.reachesOwn) << row.name;
        EXPECT_TRUE(IsWindowVisible(window.Handle())) << row.name;
        state_->registry.UnregisterWindow(window.Handle());
    }
}

TEST_F(FrameWindowProcTest, StyleChangesRepaintAtOnceAndReframeWhenTheProgramAsks) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Register(window);
    HWND w = window.Handle();
    auto setStyle = [&](LONG_PTR style) {
        frame_->calls.clear();
        SetWindowLongPtrA(w, GWL_STYLE, style);
    };
    auto recompute = [&] {
        frame_->calls.clear();
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    setStyle(GetWindowLongPtrA(w, GWL_STYLE) & ~WS_MAXIMIZEBOX);
    EXPECT_EQ(frame_->calls, "PaintFrame(0)") << "the picture follows at once, the client area waits";
    recompute();
    EXPECT_EQ(frame_->calls, "CalcClientArea PaintFrame(0)") << "the program has the frame recomputed";
    setStyle(GetWindowLongPtrA(w, GWL_STYLE) & ~WS_CAPTION);
    recompute();
    SendMessageA(w, WM_NCPAINT, 1, 0);
    EXPECT_EQ(frame_->calls, "") << "full screen: the program's own non-client area";
    setStyle(GetWindowLongPtrA(w, GWL_STYLE) | WS_CAPTION);
    EXPECT_EQ(frame_->calls, "PaintFrame(0)") << "the title bar is back";
}

TEST_F(FrameWindowProcTest, ActiveBitFollowsNcActivateAndReachesPainting) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    Register(window);
    SendMessageA(window.Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(state_->registry.FindRecord(window.Handle())->Has(SubclassNode::Active));
    frame_->calls.clear();
    SendMessageA(window.Handle(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(frame_->calls, "PaintFrame(1)");
    SendMessageA(window.Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(state_->registry.FindRecord(window.Handle())->Has(SubclassNode::Active));

    // The posted WM_NCACTIVATE that follows WM_ACTIVATE carries its low word only.
    const struct {
        WPARAM activate;
        bool active;
    } rows[] = {{MAKEWPARAM(WA_INACTIVE, TRUE), false}, {MAKEWPARAM(WA_ACTIVE, TRUE), true},
                {MAKEWPARAM(WA_INACTIVE, 0), false}, {MAKEWPARAM(WA_CLICKACTIVE, 0), true}};
    for (const auto& row : rows) {
        SendMessageA(window.Handle(), WM_ACTIVATE, row.activate, 0);
        test::PumpMessages();
        EXPECT_EQ(state_->registry.FindRecord(window.Handle())->Has(SubclassNode::Active), row.active) << row.activate;
    }
}

TEST_F(FrameWindowProcTest, ErrorInHitTestIsAnsweredByDefWindowProc) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    Register(window);
    frame_->throwIn = "HitTest";
    LPARAM point = MAKELPARAM(20, 20);
    EXPECT_EQ(SendMessageA(window.Handle(), WM_NCHITTEST, 0, point), DefWindowProcA(window.Handle(), WM_NCHITTEST, 0, point));
}

TEST_F(FrameWindowProcTest, RegisteredMessagesOfALoadedTheme) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    Register(window);
    const HookMessages& ids = Messages();
    EXPECT_EQ(SendMessageA(window.Handle(), frame_->RepaintMessage(), 3, LPARAM(-1)), 0);
    EXPECT_EQ(SendMessageA(window.Handle(), ids.tick, 0, 0), 0);
    EXPECT_EQ(SendMessageA(window.Handle(), ids.standDown, 1, 0), 0);
    EXPECT_EQ(frame_->calls, "RepaintElements(3,-1) RunIdleScripts StandDown");
}

TEST_F(FrameWindowProcTest, WithoutThemeEveryMessagePasses) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    Register(window);
    frame_->loaded = false;
    window.ClearSeen();
    const UINT messages[] = {WM_NCHITTEST, WM_NCACTIVATE, WM_NCPAINT, WM_NCLBUTTONUP, WM_SYSCOMMAND, WM_SIZE};
    for (UINT message : messages) SendMessageA(window.Handle(), message, 0, 0);
    EXPECT_EQ(window.Seen(), std::vector<UINT>(std::begin(messages), std::end(messages)));
    EXPECT_EQ(frame_->calls, "");
}

struct FixupRow {
    const char* name;
    SizeFixups fixups;
    bool withMenu;
    bool noSizeFixup;
    SIZE expected;  // the window after a first WM_SIZE for a 400 x 300 client area
};

TEST_F(FrameWindowProcTest, SizeFixupOnTheFirstSizeOnly) {
    const FixupRow rows[] = {
        {"frame added to the client size", {8, 30, 0}, false, false, {408, 330}},
        {"menu fix-up needs a menu with items", {8, 30, 20}, false, false, {408, 330}},
        {"menu fix-up with a menu", {8, 30, 20}, true, false, {408, 350}},
        {"no fix-ups, no resize", {0, 0, 0}, false, false, {200, 150}},
        {"class listed in NOSIZEFIXUPS", {8, 30, 0}, false, true, {200, 150}},
    };
    for (const FixupRow& row : rows) {
        HMENU menu = nullptr;
        if (row.withMenu) {
            menu = CreateMenu();
            AppendMenuA(menu, MF_STRING, 1, "&File");
        }
        RecordingWindow window(WS_OVERLAPPEDWINDOW, nullptr, menu);
        Register(window);
        if (row.noSizeFixup) state_->registry.FindRecord(window.Handle())->flags |= SubclassNode::NoSizeFixup;
        *frame_ = FakeFrame();
        // The window was made before it was registered: let the theme's client area take over
        // first (fix-ups still 0), as it would for a window registered while being created.
        SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        frame_->fixups = row.fixups;
        window.ClearSeen();
        SendMessageA(window.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
        SIZE size = WindowSize(window.Handle());
        EXPECT_EQ(size.cx, row.expected.cx) << row.name;
        EXPECT_EQ(size.cy, row.expected.cy) << row.name;
        EXPECT_NE(std::find(window.Seen().begin(), window.Seen().end(), UINT(WM_SIZE)), window.Seen().end())
            << row.name << ": the window still gets its WM_SIZE";

        SendMessageA(window.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(100, 100));
        size = WindowSize(window.Handle());
        EXPECT_EQ(size.cx, row.expected.cx) << row.name << ": a later WM_SIZE resizes nothing";
        state_->registry.UnregisterWindow(window.Handle());
    }
}

TEST_F(FrameWindowProcTest, ForwardingRecordSendsSystemCommandsToTheParentWithAMenu) {
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "&File");
    RecordingWindow withMenu(WS_OVERLAPPEDWINDOW, nullptr, menu);
    RecordingWindow child(WS_VISIBLE, withMenu.Handle());
    Register(child, /*themed=*/false);
    frame_->commandTarget = withMenu.Handle();
    frame_->systemCommand = 0;
    child.ClearSeen();
    EXPECT_EQ(SendMessageA(child.Handle(), WM_SYSCOMMAND, kHarmlessCommand, 0), 0);
    EXPECT_EQ(frame_->calls, "SystemCommand(target)");
    EXPECT_TRUE(child.Seen().empty()) << "handled by the parent's frame";

    frame_->calls.clear();
    child.ClearSeen();
    SendMessageA(child.Handle(), WM_NCHITTEST, 0, 0);
    EXPECT_EQ(frame_->calls, "") << "a forwarding record's other messages pass";
    EXPECT_EQ(child.Seen(), std::vector<UINT>{WM_NCHITTEST});

    RecordingWindow noMenu(WS_OVERLAPPEDWINDOW);
    RecordingWindow orphan(WS_VISIBLE, noMenu.Handle());
    Register(orphan, false);
    frame_->calls.clear();
    orphan.ClearSeen();
    SendMessageA(orphan.Handle(), WM_SYSCOMMAND, kHarmlessCommand, 0);
    EXPECT_EQ(frame_->calls, "");
    EXPECT_EQ(orphan.Seen(), std::vector<UINT>{WM_SYSCOMMAND});
}

TEST_F(FrameWindowProcTest, UnicodeWindowsKeepTheirText) {
    frame_->loaded = false;
    RecordingWindow window(WS_OVERLAPPEDWINDOW, nullptr, nullptr, /*unicode=*/true);
    state_->registry.RegisterWindow(window.Handle(), true);
    ASSERT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&FrameWindowProc));
    EXPECT_TRUE(IsWindowUnicode(window.Handle()));
    const std::wstring text = L"\x4E2D\x6587 \x0416 \x00FC";  // characters no single ANSI code page holds
    SendMessageW(window.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    EXPECT_EQ(window.LastText(), text);
    state_->registry.UnregisterWindow(window.Handle());
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(true)));
}

}  // namespace
}  // namespace vt
