// Child windows with a title bar, skinned as the hook takes them, maximised within their parent's
// client area as they are unskinned: a captioned child with its caption at the top of it and its
// other borders just outside; an MDI document filling it, its caption outside too (the frame's menu
// bar has its buttons), also after the frame is resized, with no piece of the theme inside it.
#include <gtest/gtest.h>

#include <string>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/win32/UniqueHandle.h"
#include "hook/HookProc.h"

namespace vt {
namespace {

using test::Rgb;

constexpr COLORREF kDocument = Rgb(10, 200, 30);
constexpr int kPaneCaption = 22;  // the Pane theme's client area starts 24 pixels down, its caption 2
constexpr char kFrameClass[] = "VtMdiFrame", kDocumentClass[] = "VtMdiDocument";

HWND g_mdiClient = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(window, g_mdiClient, message, wParam, lParam);
}

// Registered once for the process (the document's brush lives as long as its class).
void RegisterClasses() {
    WNDCLASSA frame{};
    frame.lpfnWndProc = FrameProc;
    frame.hInstance = GetModuleHandleA(nullptr);
    frame.hbrBackground = HBRUSH(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = kFrameClass;
    RegisterClassA(&frame);
    WNDCLASSA document = frame;
    document.lpfnWndProc = DefMDIChildProcA;
    document.hbrBackground = CreateSolidBrush(kDocument);
    document.lpszClassName = kDocumentClass;
    RegisterClassA(&document);
}

// The child's client rectangle in its parent's client coordinates.
RECT ClientInParent(HWND child) {
    RECT r{};
    GetClientRect(child, &r);
    MapWindowPoints(child, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The screen's pixel at the parent's client point.
COLORREF ScreenPixel(HWND parent, POINT p) {
    ClientToScreen(parent, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

class MaximisedChild : public test::EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (HasFatalFailure()) return;
        UseTheme(test::WritePaneTheme());
        static const bool registered = (RegisterClasses(), true);
        (void)registered;
    }
    // Maximised (and, with `resized`, after its parent `outer` is resized): the client area is the
    // parent's from row `top` on, and the document's colour shows there.
    void ExpectFillsParent(HWND child, HWND outer, int top, bool resized, const char* what) {
        HWND parent = GetParent(child);
        for (int width : {420, 360}) {
            if (width != 420 && !resized) break;
            SetWindowPos(outer, nullptr, 0, 0, width, 320, SWP_NOMOVE | SWP_NOZORDER);
            test::PumpMessages();
            EXPECT_TRUE(IsZoomed(child)) << what;
            RECT expected = ClientOf(parent);
            expected.top = top;
            EXPECT_EQ(Text(ClientInParent(child)), Text(expected)) << what << " at width " << width;
            UpdateWindow(child);
            EXPECT_EQ(ScreenPixel(parent, {40, top}), kDocument) << what << ": its first row, at width " << width;
        }
    }
};

TEST_F(MaximisedChild, ACaptionedChildAndAnMdiDocumentMaximiseWithinTheirParent) {
    // A captioned child of a plain window.
    UniqueWindow parent(CreateWindowExA(0, kFrameClass, "Parent", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                        30, 30, 420, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(parent);
    UniqueWindow child;
    {
        UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        child.reset(CreateWindowExA(0, kDocumentClass, "Child", WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                    200, 150, parent.get(), nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    ASSERT_TRUE(child && state_->registry.FindRecord(child.get()));
    ShowWindow(child.get(), SW_MAXIMIZE);
    ExpectFillsParent(child.get(), parent.get(), kPaneCaption, false, "a captioned child");
    child.reset();
    parent.reset();

    // An MDI document in its frame's MDI client.
    UniqueWindow frame(CreateWindowExA(0, kFrameClass, "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 30,
                                       30, 420, 320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    CLIENTCREATESTRUCT mdi{nullptr, 100};
    g_mdiClient = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0,
                                  frame.get(), nullptr, GetModuleHandleA(nullptr), &mdi);
    ASSERT_TRUE(frame && g_mdiClient);
    const RECT inside = ClientOf(frame.get());
    SendMessageA(frame.get(), WM_SIZE, 0, MAKELPARAM(inside.right, inside.bottom));  // the MDI client fills it
    HWND document = nullptr;
    {
        UniqueHook hook(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
        MDICREATESTRUCTA create{kDocumentClass, "Document", GetModuleHandleA(nullptr), 10, 10, 200, 150, 0, 0};
        document = HWND(SendMessageA(g_mdiClient, WM_MDICREATE, 0, LPARAM(&create)));
    }
    ASSERT_TRUE(document && state_->registry.FindRecord(document));
    SendMessageA(g_mdiClient, WM_MDIMAXIMIZE, WPARAM(document), 0);
    ExpectFillsParent(document, frame.get(), 0, true, "an MDI document");
    frame.reset();
    g_mdiClient = nullptr;
}

}  // namespace
}  // namespace vt
