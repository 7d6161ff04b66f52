// An MDI frame skinned by the real engine inside the test process, its document maximised: the
// document's icon and its minimise, restore and close buttons are drawn on the skinned menu bar,
// and real clicks on each reach the document (its window menu opens; its commands arrive); the
// document restored takes them away, maximised again brings them back. An owner-drawn bar item is
// measured and drawn by the program.
#include <gtest/gtest.h>

#include <vector>

#include "EngineTest.h"
#include "FrameTestSupport.h"
#include "HookTestSupport.h"
#include "common/win32/UniqueHandle.h"
#include "graphics/win32/GdiGuards.h"

namespace vt {
namespace {

constexpr const char* kFrameClass = "VtMdiBarFrame";
constexpr const char* kDocumentClass = "VtMdiBarDocument";
constexpr int X0 = 20, Y0 = 20, W = 320, H = 220;
constexpr COLORREF kIconRed = test::Rgb(255, 0, 0);

HWND g_client = nullptr;
std::vector<WPARAM> g_documentCommands;  // the system commands that reached the document
HMENU g_shownMenu = nullptr;             // the menu a popup showed

constexpr UINT kOwnerDrawn = 77;  // a bar item the frame draws itself, 30 pixels wide and green
RECT g_drawnItem{};              // where the frame was asked to draw it

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM && reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID == kOwnerDrawn) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemWidth = 30;
        return TRUE;
    }
    if (message == WM_DRAWITEM && reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID == kOwnerDrawn) {
        const auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        g_drawnItem = draw->rcItem;
        UniqueGdiObject green(CreateSolidBrush(RGB(0, 255, 0)));
        FillRect(draw->hDC, &draw->rcItem, static_cast<HBRUSH>(green.get()));
        return TRUE;
    }
    if (message == WM_CREATE) {
        CLIENTCREATESTRUCT create{nullptr, 1000};
        g_client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                                   0, 0, window, nullptr, GetModuleHandleA(nullptr), &create);
    }
    return DefFrameProcA(window, g_client, message, wParam, lParam);
}

LRESULT CALLBACK DocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        g_documentCommands.push_back(wParam & 0xFFF0);
        if ((wParam & 0xFFF0) == SC_MINIMIZE) return 0;  // recorded, and the document stays maximised
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

// Notes which menu a popup shows and chooses its Minimise item by its mnemonic.
// The popup menu window on screen, if any (hidden ones of earlier menus may be kept).
HWND ShownPopup() {
    for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
         popup = FindWindowExA(nullptr, popup, "#32768", nullptr))
        if (IsWindowVisible(popup)) return popup;
    return nullptr;
}

void CALLBACK SeeMenuAndMinimise(HWND window, UINT, UINT_PTR, DWORD) {
    HWND popup = ShownPopup();
    if (!popup || g_shownMenu) return;
    g_shownMenu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    PostMessageA(window, WM_CHAR, 'n', 0);
}

// Presses Right in the first menu shown, then notes the next one and closes it.
int g_step = 0;
HMENU g_firstMenu = nullptr;
void CALLBACK RightThenClose(HWND window, UINT, UINT_PTR, DWORD) {
    HWND popup = ShownPopup();
    if (!popup || g_step > 1) return;
    auto shown = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    if (g_step == 0) {
        g_firstMenu = shown;
        PostMessageA(window, WM_KEYDOWN, VK_RIGHT, 0);
        g_step = 1;
    } else if (shown != g_firstMenu) {
        g_shownMenu = shown;
        EndMenu();
        g_step = 2;
    }
}

// A solid red 16 x 16 icon, so that the document's icon is told by its colour.
HICON RedIcon() {
    std::vector<DWORD> colour(16 * 16, 0x00FF0000);
    std::vector<BYTE> mask(16 * 16 / 8, 0);
    UniqueGdiObject colourBitmap(CreateBitmap(16, 16, 1, 32, colour.data()));
    UniqueGdiObject maskBitmap(CreateBitmap(16, 16, 1, 1, mask.data()));
    ICONINFO info{TRUE, 0, 0, static_cast<HBITMAP>(maskBitmap.get()), static_cast<HBITMAP>(colourBitmap.get())};
    return CreateIconIndirect(&info);
}

class MdiDocument : public test::EngineTest {
protected:
    void SetUp() override {
        test::EngineTest::SetUp();
        icon_ = RedIcon();
        test::RegisterPlainClass(kFrameClass, FrameProc);
        test::RegisterPlainClass(kDocumentClass, DocumentProc, icon_);  // unregistered with its icon after each test
        g_documentCommands.clear();

        HMENU bar = CreateMenu();
        for (const char* name : {"&File", "&Window"}) {
            HMENU popup = CreatePopupMenu();
            AppendMenuA(popup, MF_STRING, 100, "&Item");
            AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), name);
        }
        frame_.reset(CreateWindowExA(0, kFrameClass, "MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, X0, Y0, W, H, nullptr,
                                     bar, nullptr, nullptr));
        state_->registry.RegisterWindow(frame_.get(), true);
        SetWindowPos(frame_.get(), HWND_TOP, X0, Y0, W, H, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        SetForegroundWindow(frame_.get());
        document_ = CreateMDIWindowA(kDocumentClass, "Document", WS_OVERLAPPEDWINDOW, 0, 0, 160, 100, g_client,
                                     GetModuleHandleA(nullptr), 0);
        test::PumpMessages();
    }
    void TearDown() override {
        test::PointerScript::Move(POINT{600, 700});  // off the windows of later tests
        frame_.reset();
        UnregisterClassA(kDocumentClass, GetModuleHandleA(nullptr));
        DestroyIcon(icon_);
        test::EngineTest::TearDown();
    }
    void Maximise() {
        SendMessageA(g_client, WM_MDIMAXIMIZE, WPARAM(document_), 0);
        test::PumpMessages();
    }

    // The bar's slots of the icon and of the buttons (counted from the right), in window
    // coordinates: the client element of the input theme starts at (4, 24) and ends 4 pixels
    // inside the right edge; each picture is as high as the 8-point menu font, 2 pixels apart.
    RECT IconSlot() const { return RECT{4, 24, 4 + Slot(), 24 + Side() + 4}; }
    RECT ButtonSlot(int fromRight) const {
        const int right = W - 4 - fromRight * Slot();
        return RECT{right - Slot(), 24, right, 24 + Side() + 4};
    }
    int Side() const { return (8 * Dpi() + 36) / 72; }  // the font's pixel height
    int Slot() const { return Side() + 4; }
    static int Dpi() {
        WindowDc screen(nullptr, GetDC(nullptr));
        return GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
    // The position of the bar item with this command (-1: none).
    int Position(UINT command) const {
        HMENU bar = GetMenu(frame_.get());
        for (int i = 0; i < GetMenuItemCount(bar); ++i)
            if (GetMenuItemID(bar, i) == command) return i;
        return -1;
    }
    // Whether the slot's picture (as high as the font, 2 pixels inside) is the caption button
    // DrawFrameControl draws.
    bool DrawnAsSystem(const RECT& slot, UINT look) const {
        const int side = Side();
        WindowDc window(frame_.get(), GetWindowDC(frame_.get()));
        MemoryDc memory(window.Get());
        UniqueGdiObject bitmap(CreateCompatibleBitmap(window.Get(), side, side));
        SelectGuard selected(memory.Get(), bitmap.get());
        RECT r{0, 0, side, side};
        DrawFrameControl(memory.Get(), &r, DFC_CAPTION, look);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (GetPixel(memory.Get(), x, y) != GetPixel(window.Get(), slot.left + 2 + x, slot.top + 2 + y)) return false;
        return true;
    }
    // Real pointer input on the middle of a slot.
    void Click(const RECT& slot) {
        RECT outer{};
        GetWindowRect(frame_.get(), &outer);
        test::PointerScript({{outer.left + (slot.left + slot.right) / 2, outer.top + (slot.top + slot.bottom) / 2}})
            .Play();
    }

    HICON icon_ = nullptr;
    UniqueWindow frame_;
    HWND document_ = nullptr;
};

TEST_F(MdiDocument, IconAndButtonsAreDrawnAndEachClickReachesTheDocument) {
    UseTheme(test::WriteInputTheme());
    // How many of the three button slots show a caption button as DrawFrameControl draws it.
    auto buttonsShown = [&] {
        int shown = 0;
        for (int k = 0; k < 3; ++k) {
            bool drawn = false;
            for (UINT look : {DFCS_CAPTIONCLOSE, DFCS_CAPTIONRESTORE, DFCS_CAPTIONMIN}) drawn |= DrawnAsSystem(ButtonSlot(k), look);
            shown += drawn;
        }
        return shown;
    };
    EXPECT_EQ(buttonsShown(), 0) << "not maximised: no buttons";
    Maximise();
    ASSERT_TRUE(IsZoomed(document_));
    const int count = GetMenuItemCount(GetMenu(frame_.get()));
    ASSERT_EQ(count, 6) << "the icon, File, Window and three buttons";
    EXPECT_EQ(buttonsShown(), 3) << "each button drawn as the system draws it";
    EXPECT_GT(test::CountPixels(frame_.get(), IconSlot(), kIconRed), Side() * Side() / 2) << "the document's icon";

    // Right from the last menu passes the buttons and the icon by, to File.
    g_shownMenu = nullptr;
    g_step = 0;
    UINT_PTR timer = SetTimer(frame_.get(), 1, 200, RightThenClose);
    SendMessageA(frame_.get(), WM_SYSCOMMAND, SC_KEYMENU, 'w');
    test::WaitFor([] { return g_step > 1 && !ShownPopup(); }, 5000);
    KillTimer(frame_.get(), timer);
    EXPECT_EQ(g_shownMenu, GetSubMenu(GetMenu(frame_.get()), 1)) << "Right from Window wraps to File";
    EXPECT_TRUE(g_documentCommands.empty());
    EXPECT_TRUE(IsZoomed(document_));

    // The button of each command, counted from the right as the menu orders them.
    auto button = [&](UINT command) { return ButtonSlot(count - 1 - Position(command)); };
    g_shownMenu = nullptr;
    timer = SetTimer(frame_.get(), 1, 200, SeeMenuAndMinimise);
    Click(IconSlot());
    test::WaitFor([] { return !g_documentCommands.empty(); }, 3000);
    KillTimer(frame_.get(), timer);
    EXPECT_EQ(g_shownMenu, GetSystemMenu(document_, FALSE)) << "the icon opens the document's window menu";
    EXPECT_EQ(g_documentCommands, std::vector<WPARAM>{SC_MINIMIZE}) << "whose command goes to the document";
    EXPECT_EQ(ShownPopup(), nullptr);

    g_documentCommands.clear();
    Click(button(SC_MINIMIZE));
    test::WaitFor([] { return !g_documentCommands.empty(); }, 3000);
    EXPECT_EQ(g_documentCommands, std::vector<WPARAM>{SC_MINIMIZE});

    g_documentCommands.clear();
    Click(button(SC_RESTORE));
    test::WaitFor([&] { return !IsZoomed(document_); }, 3000);
    EXPECT_EQ(g_documentCommands, std::vector<WPARAM>{SC_RESTORE});
    EXPECT_FALSE(IsZoomed(document_));
    EXPECT_EQ(buttonsShown(), 0) << "restored: the buttons are gone";

    Maximise();
    EXPECT_EQ(buttonsShown(), 3) << "maximised again";
    g_documentCommands.clear();
    Click(button(SC_CLOSE));
    test::WaitFor([&] { return !IsWindow(document_); }, 3000);
    EXPECT_EQ(g_documentCommands, std::vector<WPARAM>{SC_CLOSE});
    EXPECT_FALSE(IsWindow(document_)) << "the close button closed the document";
}

TEST_F(MdiDocument, OwnerDrawnBarItemsAreDrawnByTheProgram) {
    UseTheme(test::WriteInputTheme());
    AppendMenuA(GetMenu(frame_.get()), MF_OWNERDRAW, kOwnerDrawn, nullptr);
    g_drawnItem = RECT{};
    DrawMenuBar(frame_.get());
    test::PumpMessages();
    EXPECT_EQ(g_drawnItem.right - g_drawnItem.left, 30) << "as wide as the program measured it";
    EXPECT_EQ(g_drawnItem.top, 24) << "in the bar";
    EXPECT_EQ(test::CountPixels(frame_.get(), g_drawnItem, test::Rgb(0, 255, 0)),
              30 * (g_drawnItem.bottom - g_drawnItem.top))
        << "what the program drew stays";
}

}  // namespace
}  // namespace vt
