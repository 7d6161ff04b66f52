// The hook procedure, called here as Windows calls it, with the message about to be delivered.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "HookTestSupport.h"
#include "common/win32/HookMessages.h"
#include "hook/HookProc.h"
#include "common/win32/ModuleInstance.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"

namespace vt {
namespace {

using test::RecordingWindow;

class HookProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnsureModuleStarted());
        state_ = ModuleStateIfStarted();
        ASSERT_TRUE(state_->sharedArea.IsMapped());
        savedEnabled_ = state_->sharedArea.NewWindowsEnabled();
        savedHover_ = state_->sharedArea.HoverWindow();
        state_->sharedArea.SetNewWindowsEnabled(true);
        state_->sharedArea.SetHoverWindow(nullptr);
    }
    void TearDown() override {
        state_->registry.UnsubclassAll();
        state_->sharedArea.SetNewWindowsEnabled(savedEnabled_);
        state_->sharedArea.SetHoverWindow(savedHover_);
    }
    LRESULT Hook(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        CWPSTRUCT sent{lParam, wParam, message, window};
        return HookProc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&sent));
    }
    // "themed", "unthemed" or "none".
    std::string Registration(HWND window) const {
        SubclassNode* record = state_->registry.FindRecord(window);
        if (!record) return "none";
        return record->Has(SubclassNode::Themed) ? "themed" : "unthemed";
    }

    ModuleState* state_ = nullptr;
    bool savedEnabled_ = true;
    HWND savedHover_ = nullptr;
};

enum class Parent { None, WithMenuItems, WithEmptyMenu, WithoutMenu };

struct SelectionRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    DWORD style;
    Parent parent;
    const char* expected;
};

TEST_F(HookProcTest, WindowSelection) {
    const DWORD frame = WS_OVERLAPPEDWINDOW;
    const SelectionRow rows[] = {
        {"create with sizing frame", WM_CREATE, 0, frame, Parent::None, "themed"},
        {"create with system menu only", WM_CREATE, 0, WS_CAPTION | WS_SYSMENU, Parent::None, "themed"},
        {"create without either", WM_CREATE, 0, WS_POPUP, Parent::None, "none"},
        {"first size calculation, frame", WM_NCCALCSIZE, 0, frame, Parent::None, "themed"},
        {"first size calculation, plain popup", WM_NCCALCSIZE, 0, WS_POPUP, Parent::None, "unthemed"},
        {"later size calculation", WM_NCCALCSIZE, 1, frame, Parent::None, "none"},
        {"child of a window with a menu", WM_NCCALCSIZE, 0, 0, Parent::WithMenuItems, "unthemed"},
        {"child of a window with an empty menu", WM_NCCALCSIZE, 0, 0, Parent::WithEmptyMenu, "none"},
        {"child of a window without menu", WM_NCCALCSIZE, 0, 0, Parent::WithoutMenu, "none"},
        {"other messages register nothing", WM_SIZE, 0, frame, Parent::None, "none"},
    };
    for (const SelectionRow& row : rows) {
        HMENU menu = nullptr;
        if (row.parent == Parent::WithMenuItems || row.parent == Parent::WithEmptyMenu) menu = CreateMenu();
        if (row.parent == Parent::WithMenuItems) AppendMenuA(menu, MF_STRING, 1, "&File");
        RecordingWindow parent(WS_OVERLAPPEDWINDOW, nullptr, menu);
        RecordingWindow window(row.style, row.parent == Parent::None ? nullptr : parent.Handle());
        CREATESTRUCTA create{};
        create.style = LONG(row.style);
        Hook(window.Handle(), row.message, row.wParam, row.message == WM_CREATE ? reinterpret_cast<LPARAM>(&create) : 0);
        EXPECT_EQ(Registration(window.Handle()), row.expected) << row.name;
        state_->registry.UnsubclassAll();
    }
}

TEST_F(HookProcTest, CreateAfterCalculationReRegistersThemedAndDestroyRemoves) {
    RecordingWindow window(WS_POPUP);
    Hook(window.Handle(), WM_NCCALCSIZE, 0);
    ASSERT_EQ(Registration(window.Handle()), "unthemed");
    CREATESTRUCTA create{};
    create.style = WS_POPUP | WS_SYSMENU;
    Hook(window.Handle(), WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
    EXPECT_EQ(Registration(window.Handle()), "themed");
    Hook(window.Handle(), WM_DESTROY);
    EXPECT_EQ(Registration(window.Handle()), "none");
    EXPECT_EQ(GetWindowLongPtrA(window.Handle(), GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false)));
}

TEST_F(HookProcTest, SharedAreaSwitchedOffRegistersNothing) {
    state_->sharedArea.SetNewWindowsEnabled(false);
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    Hook(window.Handle(), WM_NCCALCSIZE, 0);
    EXPECT_EQ(Registration(window.Handle()), "none");
}

TEST_F(HookProcTest, UnhookMessageUnsubclassesEverything) {
    RecordingWindow a(WS_OVERLAPPEDWINDOW), b(WS_OVERLAPPEDWINDOW);
    Hook(a.Handle(), WM_NCCALCSIZE, 0);
    Hook(b.Handle(), WM_NCCALCSIZE, 0);
    ASSERT_EQ(state_->registry.Count(), 2u);
    Hook(a.Handle(), Messages().unhook);
    EXPECT_EQ(state_->registry.Count(), 0u);
}

// Theme changes posted to the window for it to take the new frame; a posted WM_SIZE (a bogus
// 0 x 0 client size) fails the test.
int PostedSizes(HWND window) {
    int count = 0;
    MSG message;
    while (PeekMessageA(&message, window, Messages().themeChanged, Messages().themeChanged, PM_REMOVE)) ++count;
    EXPECT_FALSE(PeekMessageA(&message, window, WM_SIZE, WM_SIZE, PM_REMOVE)) << "no WM_SIZE after a theme change";
    return count;
}

TEST_F(HookProcTest, ThemeChangeReloadsOnceForEachNewIdentity) {
    RecordingWindow a(WS_OVERLAPPEDWINDOW), b(WS_OVERLAPPEDWINDOW);
    Hook(a.Handle(), WM_NCCALCSIZE, 0);
    Hook(b.Handle(), WM_NCCALCSIZE, 0);
    const WPARAM id = WPARAM(GetTickCount() | 1);  // differs from whatever an earlier test sent
    Hook(a.Handle(), Messages().themeChanged, id);
    EXPECT_EQ(PostedSizes(a.Handle()), 1);
    EXPECT_EQ(PostedSizes(b.Handle()), 1);
    Hook(b.Handle(), Messages().themeChanged, id);
    EXPECT_EQ(PostedSizes(a.Handle()) + PostedSizes(b.Handle()), 0) << "the same identity again does nothing";
    Hook(b.Handle(), Messages().themeChanged, id + 2);
    EXPECT_EQ(PostedSizes(a.Handle()) + PostedSizes(b.Handle()), 2);
}

TEST_F(HookProcTest, HitTestElsewhereMakesTheHoverWindowStandDown) {
    RecordingWindow hover(WS_OVERLAPPEDWINDOW), other(WS_OVERLAPPEDWINDOW);
    state_->sharedArea.SetHoverWindow(hover.Handle());
    state_->hoverToldAfterHitTest = nullptr;
    struct Row {
        HWND target;
        UINT message;
        bool standsDown;
    } rows[] = {
        {other.Handle(), WM_NCHITTEST, true},
        {other.Handle(), WM_NCHITTEST, false},  // once, not on every move
        {hover.Handle(), WM_NCHITTEST, false},
        {other.Handle(), WM_MOUSEMOVE, false},
        {other.Handle(), WM_SETCURSOR, true},   // in full, and the hover window is cleared
        {other.Handle(), WM_SETCURSOR, false},
        {other.Handle(), WM_NCHITTEST, false},
    };
    for (const Row& row : rows) {
        hover.ClearSeen();
        Hook(row.target, row.message);
        bool stood = std::count(hover.Seen().begin(), hover.Seen().end(), Messages().standDown) == 1;
        EXPECT_EQ(stood, row.standsDown) << "message " << row.message << (row.target == hover.Handle() ? " to hover" : "");
    }
    EXPECT_EQ(state_->sharedArea.HoverWindow(), nullptr);
}

TEST_F(HookProcTest, GetInstanceWritesTheOwnersPathAlsoWhenSwitchedOff) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    const unsigned char* area = OpenSharedArea();
    ASSERT_NE(area, nullptr);
    std::string expected = ModuleFileName(nullptr).substr(0, shared_layout::kInstancePathMax);
    for (bool enabled : {true, false}) {
        state_->sharedArea.SetNewWindowsEnabled(enabled);
        state_->sharedArea.WriteInstancePath("", 0);
        EXPECT_EQ(Hook(window.Handle(), Messages().getInstance), kGetInstanceAnswer) << "enabled " << enabled;
        std::string written(reinterpret_cast<const char*>(area + shared_layout::kInstancePath),
                            area[shared_layout::kInstancePathLength]);
        EXPECT_EQ(written, expected) << "enabled " << enabled;
    }
}

TEST_F(HookProcTest, SharedAreaIsOpenedOncePerProcess) {
    EXPECT_EQ(OpenSharedArea(), OpenSharedArea());
}

}  // namespace
}  // namespace vt
