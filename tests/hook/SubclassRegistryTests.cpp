// The registry of subclassed windows: records, their order, and what the windows get back.
#include <gtest/gtest.h>

#include <algorithm>

#include "HookTestSupport.h"
#include "hook/SubclassRegistry.h"
#include "theme/TextLines.h"

namespace vt {
namespace {

using test::RecordingWindow;

SubclassRegistry* g_registry = nullptr;

// Stands in for the frame window procedure: passes everything to the previous procedure.
LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SubclassNode* record = g_registry ? g_registry->FindRecord(window) : nullptr;
    if (!record) return DefWindowProcA(window, message, wParam, lParam);
    return CallProcedure(record->previousProc, record->unicode, window, message, wParam, lParam);
}

class SubclassRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        lists_.AddLines(SplitLines("[NOSIZEFIXUPS]\nVTRECORDINGWINDOWW\n"));
        g_registry = &registry_;
    }
    void TearDown() override {
        registry_.UnsubclassAll();
        g_registry = nullptr;
    }
    WNDPROC ProcedureOf(HWND window) const {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    }
    std::vector<HWND> NewestFirst() const {
        std::vector<HWND> windows;
        for (SubclassNode* node = registry_.Newest(); node; node = node->next) windows.push_back(node->window);
        return windows;
    }

    ExclusionLists lists_;
    SubclassRegistry registry_{lists_, PassOn};
};

TEST_F(SubclassRegistryTest, RegisterReplacesAndUnregisterRestoresTheProcedure) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    registry_.RegisterWindow(window.Handle(), true);
    ASSERT_NE(registry_.FindRecord(window.Handle()), nullptr);
    EXPECT_EQ(ProcedureOf(window.Handle()), &PassOn);
    EXPECT_EQ(registry_.FindRecord(window.Handle())->flags, std::uint32_t(SubclassNode::Themed));

    window.ClearSeen();
    SendMessageA(window.Handle(), WM_USER + 1, 0, 0);
    EXPECT_EQ(window.Seen(), std::vector<UINT>{WM_USER + 1}) << "a message passes through to the own procedure";

    registry_.UnregisterWindow(window.Handle());
    EXPECT_EQ(registry_.FindRecord(window.Handle()), nullptr);
    EXPECT_EQ(ProcedureOf(window.Handle()), RecordingWindow::OwnProcedure(false));
}

TEST_F(SubclassRegistryTest, ReRegistrationResetsTheFlagsOnly) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    registry_.RegisterWindow(window.Handle(), true);
    SubclassNode* record = registry_.FindRecord(window.Handle());
    WNDPROC previous = record->previousProc;
    record->flags |= SubclassNode::Active | SubclassNode::SizeFixed | SubclassNode::Shrunk;

    registry_.RegisterWindow(window.Handle(), false);
    EXPECT_EQ(registry_.FindRecord(window.Handle()), record);
    EXPECT_EQ(record->flags, 0u);
    EXPECT_EQ(record->previousProc, previous) << "the procedure is not taken again";
    registry_.RegisterWindow(window.Handle(), true);
    EXPECT_EQ(record->flags, std::uint32_t(SubclassNode::Themed));
    EXPECT_EQ(registry_.Count(), 1u);
}

TEST_F(SubclassRegistryTest, ListedClassGetsNoSizeFixup) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW, nullptr, nullptr, /*unicode=*/true);
    registry_.RegisterWindow(window.Handle(), true);
    ASSERT_NE(registry_.FindRecord(window.Handle()), nullptr);
    EXPECT_EQ(registry_.FindRecord(window.Handle())->flags,
              std::uint32_t(SubclassNode::Themed | SubclassNode::NoSizeFixup));
}

TEST_F(SubclassRegistryTest, NewestFirstAndUnlinkingFromTheMiddle) {
    RecordingWindow a(WS_OVERLAPPEDWINDOW), b(WS_OVERLAPPEDWINDOW), c(WS_OVERLAPPEDWINDOW);
    for (auto* w : {&a, &b, &c}) registry_.RegisterWindow(w->Handle(), true);
    EXPECT_EQ(NewestFirst(), (std::vector<HWND>{c.Handle(), b.Handle(), a.Handle()}));
    registry_.UnregisterWindow(b.Handle());
    EXPECT_EQ(NewestFirst(), (std::vector<HWND>{c.Handle(), a.Handle()}));
    registry_.UnregisterWindow(c.Handle());
    registry_.RegisterWindow(b.Handle(), true);
    EXPECT_EQ(NewestFirst(), (std::vector<HWND>{b.Handle(), a.Handle()}));
}

TEST_F(SubclassRegistryTest, UnsubclassAllWalksOldestFirstAndDropsRegions) {
    RecordingWindow a(WS_OVERLAPPEDWINDOW), b(WS_OVERLAPPEDWINDOW), c(WS_OVERLAPPEDWINDOW);
    for (auto* w : {&a, &b, &c}) {
        registry_.RegisterWindow(w->Handle(), true);
        SetWindowRgn(w->Handle(), CreateRectRgn(0, 0, 50, 50), FALSE);  // the window owns it now
    }
    test::Journal().clear();
    registry_.UnsubclassAll();

    EXPECT_EQ(registry_.Count(), 0u);
    EXPECT_EQ(registry_.Newest(), nullptr);
    std::vector<HWND> firstSeen;
    for (HWND window : test::Journal()) {
        if (std::find(firstSeen.begin(), firstSeen.end(), window) == firstSeen.end()) firstSeen.push_back(window);
    }
    EXPECT_EQ(firstSeen, (std::vector<HWND>{a.Handle(), b.Handle(), c.Handle()}))
        << "removing a region sends the window messages, so the order they arrive is the walk's order";
    for (auto* w : {&a, &b, &c}) {
        EXPECT_EQ(ProcedureOf(w->Handle()), RecordingWindow::OwnProcedure(false));
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(w->Handle(), probe), ERROR) << "no region left";
        DeleteObject(probe);
    }
}

TEST_F(SubclassRegistryTest, ForgetDropsRecordsWithoutTouchingWindows) {
    RecordingWindow window(WS_OVERLAPPEDWINDOW);
    registry_.RegisterWindow(window.Handle(), true);
    registry_.Forget();
    EXPECT_EQ(registry_.FindRecord(window.Handle()), nullptr);
    EXPECT_EQ(ProcedureOf(window.Handle()), &PassOn);
    SetWindowLongPtrA(window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingWindow::OwnProcedure(false)));
}

}  // namespace
}  // namespace vt
