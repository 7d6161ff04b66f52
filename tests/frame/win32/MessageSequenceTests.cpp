// What a skinned window's program hears, against an unskinned twin: the module answers the
// non-client messages it takes over, and otherwise sends nothing the program did not cause. A
// dialog procedure that sets itself up in WM_INITDIALOG must not be moved before it; a program
// that changes a style while handling a move must not be moved again by the change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/win32/UniqueHandle.h"
#include "hook/HookProc.h"

namespace vt {
namespace {

std::vector<UINT> g_heard;
bool g_drawsOwnFrame = false;

// The dialog class's procedure records every message from the window's creation on; with
// g_drawsOwnFrame the whole window is client area.
LRESULT CALLBACK RecordingDialogClass(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    g_heard.push_back(message);
    if (message == WM_NCCALCSIZE && g_drawsOwnFrame) return 0;
    return DefDlgProcA(dialog, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

constexpr wchar_t kDialogClass[] = L"VtRecordingDialog";

// An empty dialog template of that class with a title bar: the header, then its menu, class
// and title.
struct alignas(4) EmptyDialog {
    DLGTEMPLATE header;
    WORD menu = 0;
    wchar_t windowClass[sizeof kDialogClass / sizeof kDialogClass[0]] = {};
    WORD title = 0;
};

// Messages the skinned frame answers itself (its caption drawing reads the title), which its
// program may hear differently, and the input method's, which come when they like.
bool TakenOver(UINT message) {
    return message == WM_NCPAINT || message == WM_NCACTIVATE || message == WM_GETICON || message == WM_GETTEXT ||
           (message >= WM_IME_SETCONTEXT && message <= WM_IME_KEYUP);
}

std::string Names(const std::vector<UINT>& messages) {
    std::string text;
    for (UINT m : messages) {
        if (TakenOver(m)) continue;
        char hex[16];
        std::snprintf(hex, sizeof hex, "%04X ", m);
        text += hex;
    }
    return text;
}

class MessageSequence : public test::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (HasFatalFailure()) return;
        UseTheme(test::WritePaneTheme());
    }
    // The hook on this thread while `skinned`, as the module's is in any program.
    UniqueHook Hook(bool skinned) {
        return UniqueHook(skinned ? SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()) : nullptr);
    }
};

TEST_F(MessageSequence, ADialogIsCreatedAsItWouldBeUnskinned) {
    WNDCLASSA dialogClass{};
    dialogClass.lpfnWndProc = RecordingDialogClass;
    dialogClass.cbWndExtra = DLGWINDOWEXTRA;
    dialogClass.hInstance = GetModuleHandleA(nullptr);
    dialogClass.lpszClassName = "VtRecordingDialog";
    RegisterClassA(&dialogClass);
    for (bool ownFrame : {false, true}) {
        std::string heard[2];
        for (bool skinned : {false, true}) {
            g_heard.clear();
            g_drawsOwnFrame = ownFrame;
            EmptyDialog empty{{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 10, 10, 120, 80}};
            std::copy(std::begin(kDialogClass), std::end(kDialogClass), empty.windowClass);
            UniqueHook hook = Hook(skinned);
            UniqueWindow dialog(
                CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &empty.header, nullptr, DialogProc, 0));
            ASSERT_TRUE(dialog);
            const auto initialised = std::find(g_heard.begin(), g_heard.end(), UINT(WM_INITDIALOG));
            ASSERT_NE(initialised, g_heard.end());
            heard[skinned] = Names(std::vector<UINT>(g_heard.begin(), initialised + 1));
        }
        EXPECT_EQ(heard[1], heard[0]) << (ownFrame ? "a dialog that draws its own frame" : "a dialog");
    }
    g_drawsOwnFrame = false;
}

TEST_F(MessageSequence, AStyleChangeMovesNothing) {
    std::unique_ptr<test::RecordingWindow> windows[2];
    std::vector<UINT> heard[2];
    for (bool skinned : {false, true}) {
        UniqueHook hook = Hook(skinned);
        windows[skinned] = std::make_unique<test::RecordingWindow>(WS_OVERLAPPEDWINDOW);
    }
    for (bool skinned : {false, true}) {
        HWND w = windows[skinned]->Handle();
        SetWindowPos(w, HWND_TOP, 20 + 250 * skinned, 20, 240, 160, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        test::PumpMessages();
        windows[skinned]->ClearSeen();
        SetWindowLongPtrA(w, GWL_STYLE, GetWindowLongPtrA(w, GWL_STYLE) & ~WS_MAXIMIZEBOX);
        heard[skinned] = windows[skinned]->Seen();
    }
    EXPECT_EQ(Names(heard[1]), Names(heard[0]));
}

}  // namespace
}  // namespace vt
