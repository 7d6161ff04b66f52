// A themed window's non-client input, with the real engine inside the test process: the hit
// test, hover and pressed feedback read back pixel by pixel, the frame buttons' commands, the
// roll-up, real pointer input (caption and border drags), the menu bar's drop-downs, the window
// menu and the zoom animation. Every menu a test opens is closed by the test.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/FileNameCase.h"
#include "common/win32/HookMessages.h"
#include "graphics/win32/GdiGuards.h"
#include "script/Engine.h"
#include "theme/ThemeState.h"

namespace vt {
namespace {

using test::Rgb;
using test::WindowPixel;

constexpr int X0 = 20, Y0 = 20, W = 240, H = 160;  // where every test window lies
constexpr COLORREF kNormal = Rgb(0, 0, 255), kDown = Rgb(255, 0, 0), kHot = Rgb(0, 255, 0);

// Window coordinates of the buttons' middles (each a 12 x 12 bitmap, unscaled); a negative x
// counts from the right edge, as the buttons are anchored.
constexpr POINT kClose{-15, 13}, kMaximize{-31, 13}, kMinimize{-47, 13}, kRoll{-63, 13}, kSysMenu{11, 13};
constexpr POINT kCaption{100, 13};

POINT InWindow(HWND w, POINT p) {
    RECT r{};
    GetWindowRect(w, &r);
    return POINT{p.x < 0 ? r.right - r.left + p.x : p.x, p.y};
}

// A point of the window on the screen, wherever the window is now.
LPARAM At(HWND w, POINT p) {
    RECT r{};
    GetWindowRect(w, &r);
    const POINT q = InWindow(w, p);
    return MAKELPARAM(r.left + q.x, r.top + q.y);
}

// The thread's view of the left button, as GetKeyState reports it to the hit test.
void SetLeftButton(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_LBUTTON] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

class FrameInputTest : public test::EngineTest {
protected:
    void TearDown() override {
        SetLeftButton(false);
        test::EngineTest::TearDown();
    }
    void UseInputTheme(const std::vector<std::pair<std::string, std::string>>& more = {}) {
        UseTheme(test::WriteInputTheme(more));
    }
    // A window registered as the hook registers it, framed by the theme, shown, active; its
    // system commands are recorded, and SC_CLOSE goes no further unless `closeForReal`.
    HWND Skin(test::RecordingWindow& window, bool closeForReal = false) {
        HWND w = window.Handle();
        SetWindowTextA(w, "Input");
        window.SetHandler([this, closeForReal](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
            if (message == WM_SYSCOMMAND) commands_.push_back(wParam & 0xFFF0);
            if (message == WM_COMMAND) menuCommands_.push_back(LOWORD(wParam));
            if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE && !closeForReal) {
                result = 0;
                return true;
            }
            return false;
        });
        state_->registry.RegisterWindow(w, true);
        SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        test::PumpMessages();
        SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
        return w;
    }
    LRESULT HitTest(HWND w, POINT p) { return SendMessageA(w, WM_NCHITTEST, 0, At(w, p)); }
    void Press(HWND w, POINT p) {
        SetLeftButton(true);
        SendMessageA(w, WM_NCLBUTTONDOWN, WPARAM(HitTest(w, p)), At(w, p));
    }
    // As the system delivers it: the hit test for the button-up message still sees the button
    // down; the state changes as the message is taken.
    void Release(HWND w, POINT p) {
        const LRESULT code = HitTest(w, p);
        SetLeftButton(false);
        SendMessageA(w, WM_NCLBUTTONUP, WPARAM(code), At(w, p));
    }
    COLORREF Button(HWND w, POINT p) {
        const POINT q = InWindow(w, p);
        return WindowPixel(w, q.x, q.y);
    }

    std::vector<WPARAM> commands_;
    std::vector<WORD> menuCommands_;
};

TEST_F(FrameInputTest, HitTestAndSizingCursors) {
    UseInputTheme();
    test::RecordingWindow plain(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(plain);
    struct Row {
        const char* what;
        POINT at;
        LRESULT code;
    } rows[] = {
        {"a later element wins: close over the caption", kClose, 256},
        {"the right edge is inside", {-9, 13}, 256},
        {"the bottom edge is inside", {-15, 19}, 256},
        {"past both edges: the caption", {-8, 20}, HTCAPTION},
        {"the caption's last row", {100, 23}, HTCAPTION},
        {"the inverted element fills a gap", {1, 10}, HTBORDER},
        {"where others match, the inverted element is not reported", {1, 40}, HTLEFT},
        {"a client edge is the client's", {100, 24}, HTCLIENT},
        {"a border element after the client wins over it", {237, 100}, HTRIGHT},
        {"bottom-right corner pixel", {239, 159}, HTBOTTOMRIGHT},
        {"no menu: no menu strip", {100, 30}, HTCLIENT},
    };
    for (const Row& row : rows) EXPECT_EQ(HitTest(w, row.at), row.code) << row.what;

    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 100, "&File");
    test::RecordingWindow withMenu(WS_OVERLAPPEDWINDOW, nullptr, bar);
    HWND m = Skin(withMenu);
    EXPECT_EQ(HitTest(m, {100, 24}), 271) << "the strip's first row";
    EXPECT_EQ(HitTest(m, {100, 39}), 271) << "its last row (menu font height + 4)";
    EXPECT_EQ(HitTest(m, {100, 40}), HTCLIENT);

    struct Cursor {
        WORD code;
        LPCSTR cursor;
    } cursors[] = {
        {HTLEFT, IDC_SIZEWE},       {HTRIGHT, IDC_SIZEWE},          {HTTOP, IDC_SIZENS},
        {HTBOTTOM, IDC_SIZENS},     {HTTOPLEFT, IDC_SIZENWSE},      {HTBOTTOMRIGHT, IDC_SIZENWSE},
        {HTGROWBOX, IDC_SIZENWSE},  {HTTOPRIGHT, IDC_SIZENESW},     {HTBOTTOMLEFT, IDC_SIZENESW},
    };
    for (const Cursor& c : cursors) {
        plain.ClearSeen();
        EXPECT_EQ(SendMessageA(w, WM_SETCURSOR, WPARAM(w), MAKELPARAM(c.code, WM_MOUSEMOVE)), TRUE) << c.code;
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.cursor)) << c.code;
        EXPECT_TRUE(plain.Seen().empty()) << "not passed on: " << c.code;
    }
    plain.ClearSeen();
    SendMessageA(w, WM_SETCURSOR, WPARAM(w), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_FALSE(plain.Seen().empty()) << "the caption's cursor is the window's business";
}

TEST_F(FrameInputTest, HoverFollowsThePointerAndStandsDown) {
    UseInputTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    EXPECT_EQ(Button(w, kClose), kNormal);
    HitTest(w, kClose);
    EXPECT_EQ(Button(w, kClose), kHot) << "the hover bitmap under the pointer";
    EXPECT_EQ(ScriptVariable("enters"), 1);
    HitTest(w, {-14, 14});
    EXPECT_EQ(ScriptVariable("enters"), 1) << "moving within the element runs nothing";
    HitTest(w, kCaption);
    EXPECT_EQ(Button(w, kClose), kNormal) << "moved on: the hover bitmap goes";
    EXPECT_EQ(ScriptVariable("exits"), 1);
    HitTest(w, kMaximize);
    EXPECT_EQ(Button(w, kMaximize), kHot);
    HitTest(w, kClose);
    EXPECT_EQ(ScriptVariable("enters"), 2);
    EXPECT_EQ(Button(w, kMaximize), kNormal);

    // The pointer went to a window of another process, whose hook tells this one to stand down
    // after its hit test there (0) and after its cursor is set there (1).
    SendMessageA(w, Messages().standDown, 0, 0);
    EXPECT_EQ(Button(w, kClose), kNormal);
    EXPECT_EQ(ScriptVariable("exits"), 2);
    SendMessageA(w, Messages().standDown, 1, 0);
    EXPECT_EQ(ScriptVariable("exits"), 2) << "nothing hovered any more: the second does nothing";
}

TEST_F(FrameInputTest, PressedButtonFollowsThePointerUntilReleased) {
    UseInputTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);

    Press(w, kClose);
    EXPECT_EQ(Button(w, kClose), kDown);
    HitTest(w, kCaption);
    EXPECT_EQ(Button(w, kClose), kNormal) << "moved off: the pressed look goes";
    HitTest(w, kClose);
    EXPECT_EQ(Button(w, kClose), kDown) << "moved back: it comes back";
    Release(w, kClose);
    EXPECT_EQ(commands_, std::vector<WPARAM>{SC_CLOSE});
    EXPECT_EQ(Button(w, kClose), kHot) << "released, still hovered";

    commands_.clear();
    Press(w, kClose);
    Release(w, kCaption);
    EXPECT_TRUE(commands_.empty()) << "released off the button: no command";
    EXPECT_NE(Button(w, kClose), kDown);

    Press(w, kClose);
    SetLeftButton(false);  // released outside the window: no button-up reaches it
    EXPECT_EQ(Button(w, kClose), kDown);
    HitTest(w, kCaption);
    EXPECT_NE(Button(w, kClose), kDown) << "the next hit test releases it";
    SendMessageA(w, WM_NCLBUTTONUP, 256, At(w, kClose));
    EXPECT_TRUE(commands_.empty()) << "and no command follows";
}

TEST_F(FrameInputTest, ButtonCommandsAndRollUp) {
    UseInputTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    auto click = [&](POINT p) {
        Press(w, p);
        Release(w, p);
    };
    click(kMaximize);
    EXPECT_TRUE(IsZoomed(w));
    click(kMaximize);
    EXPECT_FALSE(IsZoomed(w)) << "MAXIMIZE on a maximised window restores it";
    click(kMinimize);
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);
    EXPECT_EQ(commands_, (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE}));

    SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_SHOWWINDOW);
    commands_.clear();
    click(kRoll);
    EXPECT_TRUE(test::InWindowRegion(w, 100, 10)) << "rolled up: the caption stays";
    EXPECT_FALSE(test::InWindowRegion(w, 100, 80)) << "the rest is cut away";
    EXPECT_TRUE(commands_.empty()) << "rolling up is no system command";
    SendMessageA(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_FALSE(IsZoomed(w)) << "SC_MAXIMIZE on a rolled-up window only unrolls it";
    EXPECT_TRUE(test::InWindowRegion(w, 100, 80));
    click(kRoll);
    click(kRoll);
    EXPECT_TRUE(test::InWindowRegion(w, 100, 80)) << "the flip button toggles";
    SendMessageA(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(w)) << "unrolled, SC_MAXIMIZE maximises";
}

using test::PointerScript;

TEST_F(FrameInputTest, RealPointerDragsTheCaptionAndSizesFromABorder) {
    UseInputTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    SetForegroundWindow(w);
    {
        const POINT from{X0 + kCaption.x, Y0 + kCaption.y};
        // Settled on the caption first: an echo of where an earlier test left the pointer could
        // take the press elsewhere.
        ASSERT_TRUE(PointerScript({from, {from.x + 10, from.y + 5}, {from.x + 30, from.y + 20}}).Play());
    }
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, X0 + 30) << "moved by the pointer's offset";
    EXPECT_EQ(r.top, Y0 + 20);
    EXPECT_EQ(GetCapture(), nullptr) << "the drag ended with the button";

    SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_SHOWWINDOW);
    {
        const POINT edge{X0 + W - 2, Y0 + 80};
        ASSERT_TRUE(PointerScript({edge, {edge.x + 10, edge.y}, {edge.x + 25, edge.y}}).Play());
        test::WaitFor([&] {
            GetWindowRect(w, &r);
            return r.right - r.left == W + 25;
        }, 3000);
    }
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, W + 25) << "the right border sizes the window";
    EXPECT_EQ(r.left, X0);

    commands_.clear();
    {
        const POINT close{r.right + kClose.x, r.top + kClose.y};
        ASSERT_TRUE(PointerScript({close}).Play()) << "settled on the button first, after the sizing drag";
        test::WaitFor([&] { return !commands_.empty(); }, 2000);
    }
    EXPECT_EQ(commands_, std::vector<WPARAM>{SC_CLOSE}) << "a real click on the close button";
}

// The windows that WM_NCLBUTTONDOWN was taken from the queue for: Wine drops now and then the
// button-down of a click that activates a window (with its own frame too), and such a click is
// tried again.
std::vector<HWND> g_buttonDowns;
LRESULT CALLBACK NoteButtonDowns(int code, WPARAM removed, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message == WM_NCLBUTTONDOWN)
        g_buttonDowns.push_back(message->hwnd);
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// Real presses as a user makes them on a window that is maximised or not active yet.
TEST_F(FrameInputTest, RealPointerOnAMaximisedOrAnInactiveWindow) {
    UseInputTheme();
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW), other(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    ShowWindow(w, SW_MAXIMIZE);
    SetForegroundWindow(w);
    test::PumpMessages();
    RECT before{}, after{};
    GetWindowRect(w, &before);
    {
        const POINT from{before.left + kCaption.x, before.top + kCaption.y};
        PointerScript drag({from, {from.x + 40, from.y + 30}, {from.x + 80, from.y + 58}});
        drag.Run();
        ASSERT_TRUE(test::WaitFor([&] { return drag.Done(); }, 10000));
        test::PumpMessages();
    }
    GetWindowRect(w, &after);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_TRUE(EqualRect(&before, &after)) << "a maximised window stays where maximised windows are";
    ShowWindow(w, SW_RESTORE);
    SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_SHOWWINDOW);

    // Each button of an inactive window: the first click activates it and acts.
    HWND o = Skin(other);
    SetWindowPos(o, HWND_TOP, X0 + W + 20, Y0, W, H, SWP_SHOWWINDOW);
    struct Row {
        POINT button;
        WPARAM command;
    } rows[] = {{kClose, SC_CLOSE}, {kMaximize, SC_MAXIMIZE}, {kMinimize, SC_MINIMIZE}};
    UniqueHook noteDowns(SetWindowsHookExA(WH_GETMESSAGE, NoteButtonDowns, nullptr, GetCurrentThreadId()));
    for (const Row& row : rows) {
        g_buttonDowns.clear();
        for (int attempt = 0; attempt < 3 && g_buttonDowns.empty(); ++attempt) {
            SetForegroundWindow(o);
            test::PumpMessages();
            ASSERT_NE(GetForegroundWindow(), w);
            commands_.clear();
            RECT r{};
            GetWindowRect(w, &r);
            PointerScript click({POINT{r.right + row.button.x, r.top + row.button.y}});
            click.Run();
            ASSERT_TRUE(test::WaitFor([&] { return click.Done(); }, 10000));
            test::WaitFor([&] { return !commands_.empty(); }, 2000);
        }
        EXPECT_EQ(g_buttonDowns, std::vector<HWND>{w});
        EXPECT_EQ(commands_, std::vector<WPARAM>{row.command}) << "the first click on an inactive window's button";
        if (row.command != SC_MINIMIZE) {
            EXPECT_EQ(GetForegroundWindow(), w) << "and it is active";
        }
        ShowWindow(w, SW_RESTORE);
        SetWindowPos(w, HWND_TOP, X0, Y0, W, H, SWP_SHOWWINDOW);
    }
}

std::function<void(HWND)> g_duringDrag;
void CALLBACK ActDuringDrag(HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    if (g_duringDrag) g_duringDrag(window);
}

TEST_F(FrameInputTest, CaptionDragEndsWhenTheWindowGoesTheCaptureIsLostOrTheProgramQuits) {
    UseInputTheme();
    struct Row {
        const char* what;
        std::function<void(HWND)> act;
        bool quits;
    } rows[] = {
        {"the window destroyed", [](HWND w) { DestroyWindow(w); }, false},
        {"the capture taken away", [](HWND) { ReleaseCapture(); }, false},
        {"WM_QUIT", [](HWND) { PostQuitMessage(3); }, true},
    };
    using Clock = std::chrono::steady_clock;
    for (const Row& row : rows) {
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
        HWND w = Skin(window);
        SetForegroundWindow(w);
        // The button goes down on the caption and is held until the drag has ended, 3 s at most.
        std::atomic<bool> ended{false};
        Clock::time_point releasedAt{};
        std::thread hand([&] {
            PointerScript::Move(POINT{X0 + kCaption.x, Y0 + kCaption.y});
            PointerScript::Button(MOUSEEVENTF_LEFTDOWN);
            for (int i = 0; i < 300 && !ended; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            releasedAt = Clock::now();
            PointerScript::Button(MOUSEEVENTF_LEFTUP);
        });
        g_duringDrag = row.act;
        SetTimer(w, 7, 300, &ActDuringDrag);  // a window timer: the drag loop dispatches it
        Clock::time_point endedAt{};
        bool sawQuit = false;
        const auto start = Clock::now();
        while (endedAt == Clock::time_point{} && Clock::now() - start < std::chrono::seconds(6)) {
            MSG m;
            if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(5);
                continue;
            }
            if (m.message == WM_QUIT) sawQuit = true;
            DispatchMessageA(&m);
            if (m.message == WM_NCLBUTTONDOWN) endedAt = Clock::now();  // the drag ran inside
        }
        ended = true;
        MSG m;
        if (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) sawQuit = true;
        hand.join();
        g_duringDrag = nullptr;
        ASSERT_NE(endedAt, Clock::time_point{}) << row.what << ": no drag";
        EXPECT_LT(endedAt, releasedAt) << row.what << ": the drag ended before the button was released";
        EXPECT_EQ(sawQuit, row.quits) << row.what << ": WM_QUIT is posted again for the program";
        EXPECT_EQ(GetCapture(), nullptr) << row.what;
        test::PumpMessages();
    }
}

// What a menu loop of this thread showed, and the script of what the test does in it: each
// time the loop waits, the next step runs; a timer ends any loop that outlasts the test's patience.
class MenuScript {
public:
    using Step = std::function<void()>;
    MenuScript(test::RecordingWindow& window, std::vector<Step> steps) : window_(window), steps_(std::move(steps)) {
        active_ = this;
        window.SetHandler([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            if (message == WM_INITMENUPOPUP && HIWORD(lParam) == 0) opened.push_back(reinterpret_cast<HMENU>(wParam));
            if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
            if (message == WM_ENTERIDLE && wParam == MSGF_MENU) NextStep();
            return false;
        });
        watchdog_ = SetTimer(nullptr, 0, 5000, &MenuScript::Watchdog);
    }
    ~MenuScript() {
        KillTimer(nullptr, watchdog_);
        window_.SetHandler(nullptr);
        active_ = nullptr;
    }
    void NextStep() {
        if (next_ < steps_.size()) steps_[next_++]();
    }

    std::vector<HMENU> opened;
    std::vector<WORD> commands;
    bool timedOut = false;

private:
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
        if (active_) active_->timedOut = true;
        EndMenu();
    }
    static inline MenuScript* active_ = nullptr;
    test::RecordingWindow& window_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    UINT_PTR watchdog_ = 0;
};

class MenuBarTest : public FrameInputTest {
protected:
    void SetUp() override {
        FrameInputTest::SetUp();
        UseInputTheme();
        bar_ = CreateMenu();
        const char* names[] = {"&File", "&Edit", "&View", "&Help"};
        for (int i = 0; i < 4; ++i) {
            menus_[i] = CreatePopupMenu();
            AppendMenuA(menus_[i], MF_STRING, UINT_PTR(100 + 10 * i), "&Item");
            AppendMenuA(menus_[i], MF_STRING, UINT_PTR(101 + 10 * i), "&Other");
            AppendMenuA(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menus_[i]), names[i]);
        }
        EnableMenuItem(bar_, 2, MF_BYPOSITION | MF_GRAYED);  // View
        window_ = std::make_unique<test::RecordingWindow>(WS_OVERLAPPEDWINDOW, nullptr, bar_);
        w_ = Skin(*window_);
    }
    // Posts a key into the running menu loop.
    void Key(WPARAM key) { PostMessageA(w_, WM_KEYDOWN, key, 0); }
    // Runs what `open` starts, stepping through `steps`, until no menu loop is left to run.
    std::vector<int> Opened(const std::function<void()>& open, std::vector<MenuScript::Step> steps,
                            std::vector<WORD>* commands = nullptr) {
        MenuScript script(*window_, std::move(steps));
        open();
        test::PumpMessages();  // an item switch is a posted click that opens the next one
        EXPECT_FALSE(script.timedOut) << "a menu was left open";
        std::vector<int> positions;
        for (HMENU m : script.opened) {
            for (int i = 0; i < 4; ++i) {
                if (m == menus_[i]) positions.push_back(i);
            }
        }
        if (commands) *commands = script.commands;
        return positions;
    }
    void KeyMenu(WPARAM key) { SendMessageA(w_, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(key)); }
    // The middle of bar item i in window coordinates: texts ("&" counted) in the 8-point menu
    // font, 2 pixels apart, from 2 pixels inside the client element.
    int ItemMiddle(int i) {
        WindowDc screen(nullptr, GetDC(nullptr));
        UniqueGdiObject font(CreateFontA(-MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0,
                                         0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
        SelectGuard select(screen.Get(), font.get());
        int x = 4 + 2, width = 0;
        const char* names[] = {"&File", "&Edit", "&View", "&Help"};
        for (int k = 0; k <= i; ++k) {
            SIZE size{};
            GetTextExtentPoint32A(screen.Get(), names[k], int(strlen(names[k])), &size);
            width = size.cx + 2;
            x += width;
        }
        return x - width / 2;
    }
    void BarClick(int x) {
        SendMessageA(w_, WM_NCLBUTTONDOWN, 271, MAKELPARAM(X0 + x, Y0 + 30));
    }

    HMENU bar_ = nullptr;
    HMENU menus_[4] = {};
    std::unique_ptr<test::RecordingWindow> window_;
    HWND w_ = nullptr;
};

TEST_F(MenuBarTest, KeysAndClicksOpenTheRightDropDown) {
    auto end = [] { EndMenu(); };
    EXPECT_EQ(Opened([&] { KeyMenu('e'); }, {end}), std::vector<int>{1}) << "Alt+E opens Edit";
    EXPECT_EQ(Opened([&] { KeyMenu(0); }, {end}), std::vector<int>{0}) << "Alt alone opens the first item";
    EXPECT_EQ(Opened([&] { KeyMenu('v'); }, {end}), std::vector<int>{}) << "a disabled item's mnemonic opens nothing";
    EXPECT_EQ(Opened([&] { BarClick(4); }, {end}), std::vector<int>{0}) << "left of the first item's text";
    EXPECT_EQ(Opened([&] { BarClick(ItemMiddle(2)); }, {end}), std::vector<int>{3}) << "a disabled item: the next enabled one";
    EXPECT_EQ(Opened([&] { BarClick(ItemMiddle(1)); }, {end}), std::vector<int>{1});
    EXPECT_EQ(Opened([&] { BarClick(230); }, {end}), std::vector<int>{}) << "right of the last item: nothing";

    EnableMenuItem(bar_, 0, MF_BYPOSITION | MF_GRAYED);
    EXPECT_EQ(Opened([&] { KeyMenu(0); }, {end}), std::vector<int>{1}) << "a disabled File is skipped";
}

TEST_F(MenuBarTest, LeftAndRightMoveBetweenDropDownsAndWrap) {
    auto end = [] { EndMenu(); };
    std::vector<WORD> commands;
    EXPECT_EQ(Opened([&] { KeyMenu('e'); },
                     {[&] { Key(VK_RIGHT); }, [&] { Key(VK_RIGHT); }, [&] { Key(VK_LEFT); }, [&] { Key(VK_LEFT); },
                      [&] { Key(VK_LEFT); }, end}),
              (std::vector<int>{1, 3, 0, 3, 1, 0}))
        << "Right skips the disabled View and wraps from Help to File; Left wraps back";
    EXPECT_EQ(Opened([&] { KeyMenu('h'); }, {[&] { PostMessageA(w_, WM_CHAR, 'o', 0); }}, &commands),
              std::vector<int>{3});
    EXPECT_EQ(commands, std::vector<WORD>{131}) << "the chosen item arrives as WM_COMMAND";
}

TEST_F(MenuBarTest, ThePointerMovesBetweenDropDowns) {
    SetForegroundWindow(w_);
    // While File's drop-down is open, the pointer goes onto the bar over Help, then within Help.
    auto toHelp = [&] { PointerScript::Move(POINT{X0 + ItemMiddle(3), Y0 + 30}); };
    auto withinHelp = [&] { PointerScript::Move(POINT{X0 + ItemMiddle(3) + 2, Y0 + 31}); };
    EXPECT_EQ(Opened([&] { KeyMenu('f'); }, {toHelp, [&] {
                                                 withinHelp();
                                                 PostMessageA(w_, WM_KEYDOWN, VK_ESCAPE, 0);
                                             }}),
              (std::vector<int>{0, 3}))
        << "the pointer on another bar item opens its drop-down; moving within it opens nothing more";
    PointerScript::Move(POINT{600, 700});
}

std::function<void()> g_onTimer;
void CALLBACK RunOnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_onTimer) g_onTimer();
}
void CALLBACK EndMenuOnTimer(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

// The window menu's popup: where it opened, then its Close item chosen by its mnemonic.
TEST_F(FrameInputTest, WindowMenuOpensAtTheCornerAndClosesTheWindow) {
    UseInputTheme();
    for (bool byKey : {true, false}) {
        test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
        HWND w = Skin(window, true);
        RECT popup{};
        bool found = false;
        // The popup's owner is the menu's own small window: the test finds the popup on a timer.
        g_onTimer = [&] {
            HWND menu = FindWindowA("#32768", nullptr);
            if (!menu || !IsWindowVisible(menu) || found) return;
            found = true;
            GetWindowRect(menu, &popup);
            PostMessageA(w, WM_CHAR, 'c', 0);
        };
        UINT_PTR timer = SetTimer(nullptr, 0, 100, &RunOnTimer);
        UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, &EndMenuOnTimer);
        if (byKey) SendMessageA(w, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        else SendMessageA(w, WM_NCLBUTTONDOWN, HTSYSMENU, At(w, kSysMenu));
        test::PumpMessages();
        KillTimer(nullptr, timer);
        KillTimer(nullptr, watchdog);
        g_onTimer = nullptr;
        ASSERT_TRUE(found) << "the window menu opened";
        if (byKey) {
            EXPECT_EQ(popup.left, X0 + 5) << "Alt+Space: 4 pixels inside the corner, one past the point";
            EXPECT_EQ(popup.top, Y0 + 5);
        } else {
            EXPECT_EQ(popup.left, X0 + kSysMenu.x + 1) << "a click: at the pointer";
        }
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(w); }, 3000)) << "choosing Close closed the window";
        ASSERT_FALSE(commands_.empty());
        EXPECT_EQ(commands_.back(), WPARAM(SC_CLOSE));
    }
}

TEST_F(FrameInputTest, ZoomLeavesTheScreenAsItWas) {
    UseInputTheme();
    EXPECT_THROW(
        {
            try {
                ThemeView view;
                state_->frame->ZoomRect(view, RECT{0, 0, 0, 0}, RECT{0, 0, 100, 100}, 0);
            } catch (const std::invalid_argument& e) {
                EXPECT_STREQ(e.what(), "Steps must be a non-zero positive number");
                throw;
            }
        },
        std::invalid_argument);
    // A patterned patch of screen: the window's frame.
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    auto snapshot = [] {
        constexpr int kW = 320, kH = 220;
        WindowDc screen(nullptr, GetDC(nullptr));
        MemoryDc memory(screen.Get());
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        UniqueGdiObject dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        SelectGuard select(memory.Get(), dib.get());
        BitBlt(memory.Get(), 0, 0, kW, kH, screen.Get(), 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        return std::vector<std::uint32_t>(p, p + kW * kH);
    };
    const std::vector<std::uint32_t> before = snapshot();
    const auto start = std::chrono::steady_clock::now();
    ThemeView view;
    state_->frame->ZoomRect(view, RECT{150, 100, 150, 100}, RECT{X0, Y0, X0 + W, Y0 + H}, 20);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(snapshot(), before);
    EXPECT_GE(took, std::chrono::milliseconds(150)) << "30 iterations of at least 5 ms";
    (void)w;
}

// A real IceWM theme (Debian's icewm-common, read where it is installed, through Wine's Z: drive):
// CrystalBlue's close button shows its own images' normal, rollover and pressed states under the
// pointer, and a click on it closes the window.
TEST_F(FrameInputTest, RealIceWmThemeHoversAndPressesItsCloseButton) {
    const std::string theme = "Z:\\usr\\share\\icewm\\themes\\CrystalBlue\\default.theme";
    if (!FileExists(theme)) GTEST_SKIP() << theme << " is not installed (scripts/setup.sh installs icewm-common)";
    UseTheme(theme);
    test::RecordingWindow window(WS_OVERLAPPEDWINDOW);
    HWND w = Skin(window);
    const TUIElement* close = nullptr;
    ElementList& elements = *LoadedTheme().Elements;
    for (std::size_t i = 0; i < elements.Count(); ++i)
        if (elements.At(std::ptrdiff_t(i)).HitCode == 256) close = &elements.At(std::ptrdiff_t(i));
    ASSERT_TRUE(close && close->HoverBitmap && close->DownBitmap);
    // A point of the button where the three images differ (none of them see-through there),
    // from the right edge as the button is anchored.
    const Bitmap* states[] = {close->NormalBitmap, close->HoverBitmap, close->DownBitmap};
    auto differs = [&](int x, int y) {
        for (int a = 0; a < 3; ++a) {
            const Colour c = states[a]->GetPixel(x, y);
            if (states[a]->Transparent() && c == states[a]->TransparentColor()) return false;
            if (c == states[(a + 1) % 3]->GetPixel(x, y)) return false;
        }
        return true;
    };
    int dx = -1, dy = -1;
    for (int y = 0; y < close->NormalBitmap->Height() && dx < 0; ++y)
        for (int x = 0; x < close->NormalBitmap->Width() && dx < 0; ++x)
            if (differs(x, y)) dx = x, dy = y;
    ASSERT_GE(dx, 0) << "no point where the normal, rollover and pressed images differ";
    const POINT middle{close->Corner1.x + dx, close->Corner1.y + dy};
    auto expected = [&](const Bitmap* b) { return COLORREF(b->GetPixel(dx, dy)); };

    EXPECT_EQ(Button(w, middle), expected(close->NormalBitmap));
    HitTest(w, middle);
    EXPECT_EQ(Button(w, middle), expected(close->HoverBitmap)) << "the rollover image under the pointer";
    Press(w, middle);
    EXPECT_EQ(Button(w, middle), expected(close->DownBitmap)) << "the pressed half";
    Release(w, middle);
    EXPECT_EQ(commands_, std::vector<WPARAM>{SC_CLOSE});
    EXPECT_EQ(Button(w, middle), expected(close->HoverBitmap)) << "released, still hovered";
    HitTest(w, kCaption);
    EXPECT_EQ(Button(w, middle), expected(close->NormalBitmap));
}

}  // namespace
}  // namespace vt
