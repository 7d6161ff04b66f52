// The real veltrane.dll, installed as a controller installs it, skinning windows of other
// processes: the probe window and programs that ship with Wine. Pixels are read back from their
// window DCs from here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "ControllerConfig.h"
#include "FrameTestSupport.h"
#include "HookLibrary.h"
#include "HookTestSupport.h"
#include "ProbeProcess.h"
#include "RealModuleTest.h"
#include "common/win32/HookMessages.h"
#include "common/win32/SharedArea.h"
#include "ChildProcess.h"
#include "common/win32/UniqueHandle.h"

namespace vt {
namespace {

using test::Rgb;
using test::WindowPixel;

constexpr DWORD kWaitMs = 8000;
constexpr COLORREF kCorner = Rgb(0, 0, 128), kCornerOff = Rgb(128, 128, 128);

using test::WaitFor;

// A program of the system (notepad, winemine) started by the test and ended by it.
class SystemProgram {
public:
    bool Start(const std::string& commandLine) {
        ChildProcess child = StartChildProcess(commandLine);
        if (!child) return false;
        process_ = std::move(child.process);
        id_ = child.id;
        return WaitFor([this] { return (window_ = FindMainWindow(id_)) != nullptr; });
    }
    ~SystemProgram() {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 1);
    }
    HWND Window() const { return window_; }
    // Asks the program to close and waits for it to end on its own.
    bool CloseNormally() {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return WaitForSingleObject(process_.get(), kWaitMs) == WAIT_OBJECT_0;
    }

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
    HWND window_ = nullptr;
};

class RealModuleFrame : public test::RealModuleTest {
protected:
    void SetUp() override {
        test::RealModuleTest::SetUp();
        messages_.RegisterHookMessages();
        themeA_ = test::WritePaneTheme();
        themeB_ = test::WritePaneTheme({{"CLIENT TL:4,24 BR:-4,-4", "CLIENT TL:10,30 BR:-10,-10"}});
        ASSERT_TRUE(WriteControllerValue("Theme", themeA_));
    }
    // Painted by the theme (active or not), or by the theme's variant B, by its client area.
    bool Skinned(HWND window) {
        return WaitFor([&] { return WindowPixel(window, 5, 10) == kCorner || WindowPixel(window, 5, 10) == kCornerOff; });
    }

    // The probe and Notepad, apart, so that both show on the screen, from where another
    // process's pixels are read.
    void StartSideBySide(ProbeProcess& probe, SystemProgram& notepad) {
        ASSERT_TRUE(probe.Start(ProgramFolder() + "vtprobe.exe", probe::kStyleFrame));
        ASSERT_TRUE(notepad.Start("notepad.exe"));
        SetWindowPos(probe.Window(), HWND_TOP, 20, 20, 320, 200, SWP_NOACTIVATE);
        SetWindowPos(notepad.Window(), HWND_TOP, 400, 20, 320, 200, SWP_NOACTIVATE);
    }

    HookMessages messages_;
    std::string themeA_, themeB_;
};

TEST_F(RealModuleFrame, ThemeSwitchReachesOtherProcessesButNotAPinnedOne) {
    // A second copy of the probe under another name, pinned to theme A by themes.cfg.
    const std::string pinnedProbe = copy_.Folder() + "vtpinned.exe";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "vtprobe.exe").c_str(), pinnedProbe.c_str(), FALSE));
    copy_.WriteFile("themes.cfg", "VTPINNED.EXE=" + themeA_ + "\r\n");
    Install();
    EXPECT_EQ(library_.ThemeInfo().rfind("Pane: flat colours", 0), 0u) << "GetThemeInfo: " << library_.ThemeInfo();
    ProbeProcess probe, pinned;
    ASSERT_TRUE(probe.Start(ProgramFolder() + "vtprobe.exe", probe::kStyleFrame));
    ASSERT_TRUE(pinned.Start(pinnedProbe, probe::kStyleFrame));
    // Side by side: another process's window is read back from the screen, where it must show.
    SetWindowPos(pinned.Window(), HWND_TOP, 400, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(Skinned(probe.Window())) << "the probe shows theme A";
    ASSERT_TRUE(Skinned(pinned.Window()));

    ASSERT_TRUE(WriteControllerValue("Theme", themeB_));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, messages_.themeChanged, WPARAM(GetTickCount() | 1), 0, SMTO_ABORTIFHUNG, 3000,
                        &ignored);
    EXPECT_TRUE(test::WaitForClientAt(probe.Window(), 10, 30)) << "the probe takes theme B live";
    EXPECT_TRUE(test::WaitForClientAt(pinned.Window(), 4, 24)) << "the pinned program keeps theme A";
    RECT outer{};
    GetWindowRect(probe.Window(), &outer);
    EXPECT_EQ(outer.right - outer.left, 320) << "at its size";

    library_.RemoveHook();
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(probe.Window()).top != 30; }))
        << "the probe's own frame is back (client area recomputed)";
    EXPECT_TRUE(test::InWindowRegion(probe.Window(), 0, 0)) << "and its region is gone";
    EXPECT_EQ(probe.Close(), 0);
    EXPECT_EQ(pinned.Close(), 0);
    DeleteFileA(pinnedProbe.c_str());
}

// Programs open before Veltrane starts, and still open when it starts again after a stop, are
// skinned at once, as a controller's start makes them (the hook in, then the theme announced).
TEST_F(RealModuleFrame, ProgramsOpenBeforeAStartOrARestartAreSkinned) {
    ProbeProcess probe;
    SystemProgram notepad;
    ASSERT_NO_FATAL_FAILURE(StartSideBySide(probe, notepad));
    const RECT ownClient[] = {test::ClientInWindow(probe.Window()), test::ClientInWindow(notepad.Window())};
    ASSERT_NE(ownClient[0].top, 24) << "the system's frame is told apart from the theme's";
    for (const char* start : {"a start", "a restart"}) {
        Install();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(HWND_BROADCAST, messages_.themeChanged, WPARAM(GetTickCount() | 1), 0, SMTO_ABORTIFHUNG,
                            3000, &ignored);
        for (HWND w : {probe.Window(), notepad.Window()}) {
            EXPECT_TRUE(Skinned(w)) << start;
            EXPECT_TRUE(test::WaitForClientAt(w, 4, w == notepad.Window() ? 24 + 15 : 24)) << start;
            EXPECT_FALSE(test::InWindowRegion(w, 0, 0)) << start << ": shaped by the theme";
            RECT outer{};
            GetWindowRect(w, &outer);
            EXPECT_EQ(outer.right - outer.left, 320) << start << ": at its size";
        }
        library_.RemoveHook();
        library_.Unload();
        for (int i : {0, 1}) {
            const HWND w = i == 0 ? probe.Window() : notepad.Window();
            EXPECT_TRUE(test::WaitForClientAt(w, ownClient[i].left, ownClient[i].top)) << start << ": its own frame back";
            EXPECT_TRUE(test::InWindowRegion(w, 0, 0));
        }
    }
    EXPECT_EQ(probe.Close(), 0);
    EXPECT_TRUE(notepad.CloseNormally());
}

TEST_F(RealModuleFrame, NotepadIsSkinnedStaysUsableAndGetsItsFrameBack) {
    Install();
    SystemProgram notepad;
    ASSERT_TRUE(notepad.Start("notepad.exe"));
    HWND w = notepad.Window();
    ASSERT_TRUE(Skinned(w)) << "notepad painted by the theme";
    RECT client = test::ClientInWindow(w);
    RECT outer{};
    GetWindowRect(w, &outer);
    EXPECT_EQ(client.left, 4);
    EXPECT_EQ(client.top, 24 + 15) << "the CLIENT element less the menu bar strip";
    EXPECT_EQ(client.right, outer.right - outer.left - 4);
    EXPECT_GT(test::CountPixels(w, RECT{4, 24, 60, 39}, GetSysColor(COLOR_MENU)), 50) << "the menu bar drawn in the strip";

    HWND edit = FindWindowExA(w, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    for (char c : std::string("typed")) PostMessageA(edit, WM_CHAR, WPARAM(c), 1);
    char text[32] = {};
    EXPECT_TRUE(WaitFor([&] {
        SendMessageTimeoutA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, nullptr);
        return std::string(text) == "typed";
    })) << "text typed into the skinned window arrives: '" << text << "'";
    // Unmodified again, so that closing asks nothing.
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), SMTO_ABORTIFHUNG, 1000, nullptr);
    SendMessageTimeoutA(edit, EM_SETMODIFY, FALSE, 0, SMTO_ABORTIFHUNG, 1000, nullptr);

    library_.RemoveHook();
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(w).top != 39; })) << "notepad's own frame is back";
    EXPECT_TRUE(test::InWindowRegion(w, 0, 0));
    EXPECT_TRUE(notepad.CloseNormally()) << "notepad closes normally";
}

TEST_F(RealModuleFrame, WinemineIsSkinnedAndClosesNormally) {
    Install();
    SystemProgram mine;
    ASSERT_TRUE(mine.Start("winemine.exe"));
    // Winemine's window cannot be resized: of the Pane theme only the caption, the buttons and
    // the client area apply to it.
    RECT outer{};
    GetWindowRect(mine.Window(), &outer);
    const int width = outer.right - outer.left;
    EXPECT_TRUE(WaitFor([&] { return WindowPixel(mine.Window(), width - 16, 12) == Rgb(255, 255, 0); }))
        << "its close button is the theme's";
    EXPECT_EQ(test::ClientInWindow(mine.Window()).left, 4);
    EXPECT_FALSE(test::InWindowRegion(mine.Window(), 0, 0)) << "shaped by the theme";
    library_.RemoveHook();
    EXPECT_TRUE(WaitFor([&] { return test::InWindowRegion(mine.Window(), 0, 0); })) << "its own shape back";
    // The shape comes back first; the frame is computed again just after it, on Winemine's thread.
    EXPECT_TRUE(WaitFor([&] { return test::ClientInWindow(mine.Window()).left != 4; })) << "and its own frame";
    EXPECT_TRUE(mine.CloseNormally());
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// The hover of a skinned window in one process goes when the pointer moves on to a window of
// another process: that program's hook tells the first to stand down.
TEST_F(RealModuleFrame, HoverStandsDownWhenThePointerGoesToAnotherProgram) {
    ASSERT_TRUE(WriteControllerValue("Theme", test::WriteInputTheme()));
    Install();
    ProbeProcess probe;
    SystemProgram notepad;
    ASSERT_NO_FATAL_FAILURE(StartSideBySide(probe, notepad));
    SetForegroundWindow(probe.Window());  // hover looks show on the active window
    const COLORREF kNormal = Rgb(0, 0, 255), kHot = Rgb(0, 255, 0);
    const int closeX = 320 - 15, closeY = 13;
    ASSERT_TRUE(WaitFor([&] { return WindowPixel(probe.Window(), closeX, closeY) == kNormal; })) << "the probe is skinned";
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(probe.Window(), WM_NCHITTEST, 0, MAKELPARAM(20 + closeX, 20 + closeY), SMTO_ABORTIFHUNG, 3000, &answer);
    EXPECT_EQ(answer, 256u);
    EXPECT_TRUE(WaitFor([&] { return WindowPixel(probe.Window(), closeX, closeY) == kHot; })) << "hovered";

    // The pointer on notepad: its hit test, then its cursor.
    SendMessageTimeoutA(notepad.Window(), WM_NCHITTEST, 0, MAKELPARAM(500, 100), SMTO_ABORTIFHUNG, 3000, &answer);
    SendMessageTimeoutA(notepad.Window(), WM_SETCURSOR, WPARAM(notepad.Window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
                        SMTO_ABORTIFHUNG, 3000, &answer);
    EXPECT_TRUE(WaitFor([&] { return WindowPixel(probe.Window(), closeX, closeY) == kNormal; }))
        << "the hover went with the pointer";
    library_.RemoveHook();
    EXPECT_EQ(probe.Close(), 0);
    EXPECT_TRUE(notepad.CloseNormally());
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

struct BoxSearch {
    DWORD process;
    bool found;
};
BOOL CALLBACK FindBox(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<BoxSearch*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    if (owner == s->process && std::string(name) == "#32770") s->found = true;
    return TRUE;
}

// Words that never end, in the real module inside another program: every message still comes
// back within a second, and no box shows there.
TEST_F(RealModuleFrame, EndlessThemeWordsLeaveAnotherProgramAnswering) {
    ASSERT_TRUE(WriteControllerValue("Theme", test::WriteInputTheme({
        {": close::OnMouseEnter enters @ 1+ enters ! ;", ": close::OnMouseEnter BEGIN AGAIN ;"},
        {": close::OnMouseExit exits @ 1+ exits ! ;", ": close::OnMouseExit close::OnMouseExit ;"},
        {"[MISC]", "[CODE]\n: close::OnPaint BEGIN AGAIN ;\n: close::OnIdle BEGIN AGAIN ;\n[MISC]"},
    })));
    Install();
    ProbeProcess probe;
    ASSERT_TRUE(probe.Start(ProgramFolder() + "vtprobe.exe", probe::kStyleFrame));
    const HWND w = probe.Window();
    SetWindowPos(w, HWND_TOP, 20, 20, 320, 200, SWP_NOACTIVATE);
    struct Sent {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } sends[] = {
        {"paint", WM_NCPAINT, 1, 0},
        {"hit test on close (enter)", WM_NCHITTEST, 0, MAKELPARAM(20 + 320 - 15, 20 + 13)},
        {"hit test on the caption (exit)", WM_NCHITTEST, 0, MAKELPARAM(20 + 100, 20 + 13)},
        {"tick", messages_.tick, 0, 0},
        {"paint again", WM_NCPAINT, 1, 0},
    };
    double worst = 0;
    for (const Sent& s : sends) {
        DWORD_PTR answer = 0;
        const DWORD start = GetTickCount();
        EXPECT_NE(SendMessageTimeoutA(w, s.message, s.wParam, s.lParam, SMTO_ABORTIFHUNG, 5000, &answer), 0) << s.what;
        const DWORD ms = GetTickCount() - start;
        EXPECT_LT(ms, 1000u) << s.what;
        worst = std::max(worst, double(ms));
    }
    std::printf("hostile theme in another program: worst message %.0f ms\n", worst);
    BoxSearch search{0, false};
    GetWindowThreadProcessId(w, &search.process);
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    EXPECT_FALSE(search.found) << "no box in the program";
    library_.RemoveHook();
    EXPECT_EQ(probe.Close(), 0);
}

}  // namespace
}  // namespace vt
