#include <gtest/gtest.h>
#include <windows.h>

#include "graphics/win32/BitmapDrawing.h"
#include "graphics/win32/GdiGuards.h"
#include "theme/ThemeState.h"
#include "theme/controls/ControlList.h"
#include "theme/controls/win32/TvtButtonWin32.h"
#include "theme/model/TTheme.h"

namespace vt {
namespace {

void Fill(Bitmap& bitmap, int w, int h, Colour colour) {
    bitmap.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, colour);
}

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// A white w x h bitmap selected into a memory DC, to draw into and read pixels back from.
class WhiteCanvas {
public:
    WhiteCanvas(int w, int h)
        : screen_(GetDC(nullptr)), memory_(screen_), target_(CreateCompatibleBitmap(screen_, w, h)),
          selected_(memory_.Get(), target_.get()), all_{0, 0, w, h} {
        ReleaseDC(nullptr, screen_);
        FillRect(memory_.Get(), &all_, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC Dc() const { return memory_.Get(); }
    const RECT& All() const { return all_; }

private:
    HDC screen_;  // released once the DC and bitmap compatible with it exist
    MemoryDc memory_;
    UniqueGdiObject target_;
    SelectGuard selected_;
    RECT all_;
};

// A theme with three one-colour bitmaps, a taken-over BUTTON class and a visible parent.
class ThemedButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* names[] = {"red", "green", "blue"};
        Colour colours[] = {kRed, kGreen, kBlue};
        CreateThemeStructures(state_);
        for (int i = 0; i < 3; ++i) {
            TThemeItem& item = state_.Theme->Items().Add();
            item.SetName(names[i]);
            Fill(item.Bitmap(), 4, 4, colours[i]);
        }
        button_.Install();
        parent_ = CreateWindowA("STATIC", "parent", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent_);
        button_.Uninstall();
    }

    HWND NewButton() {
        return CreateWindowA("BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 40, 20, parent_, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    }

    // Paints the button into a white memory bitmap through WM_PAINT with the DC in wParam and
    // reads a pixel away from the caption.
    COLORREF PaintedPixel(HWND button) {
        WhiteCanvas canvas(40, 20);
        SendMessageA(button, WM_PAINT, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        return GetPixel(canvas.Dc(), 3, 3);
    }

    ThemeState state_;
    ControlList list_;
    TvtButtonWin32 button_{list_, state_};
    HWND parent_ = nullptr;
};

TEST_F(ThemedButtonTest, NewButtonsRunTheThemedProcedure) {
    HWND button = NewButton();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC)), ButtonWindowProc);
}

TEST_F(ThemedButtonTest, EachStateIsDrawnWithItsBitmapOrNormal) {
    state_.Button.LoadLine("NORMAL=red", *state_.Theme);
    state_.Button.LoadLine("FOCUSED=green", *state_.Theme);
    HWND button = NewButton();
    EXPECT_EQ(PaintedPixel(button), kRed) << "enabled, no focus";
    SetFocus(button);
    if (GetFocus() == button) {
        EXPECT_EQ(PaintedPixel(button), kGreen) << "focused";
    }
    EnableWindow(button, FALSE);
    EXPECT_EQ(PaintedPixel(button), kRed) << "disabled without DISABLED";
    state_.Button.LoadLine("DISABLED=blue", *state_.Theme);
    EXPECT_EQ(PaintedPixel(button), kBlue) << "disabled";
}

TEST_F(ThemedButtonTest, WithoutNormalTheSystemDraws) {
    state_.Button.LoadLine("FOCUSED=green", *state_.Theme);
    HWND button = NewButton();
    COLORREF pixel = PaintedPixel(button);
    EXPECT_NE(pixel, kGreen);
    EXPECT_NE(pixel, kRed);
}

TEST_F(ThemedButtonTest, UninstallGivesTheClassAndLiveButtonsBack) {
    HWND before = NewButton();
    button_.Uninstall();
    HWND after = NewButton();
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(after, GWLP_WNDPROC)), ButtonWindowProc);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(before, GWLP_WNDPROC)), ButtonWindowProc);
}

TEST(BitmapDrawing, StretchesAndLeavesTransparentPixels) {
    Bitmap bitmap;
    Fill(bitmap, 2, 1, kRed);
    bitmap.SetPixel(1, 0, 0xFF00FF);
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(0xFF00FF);
    WhiteCanvas canvas(20, 10);
    ASSERT_TRUE(StretchBitmap(canvas.Dc(), bitmap, canvas.All()));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 5), kRed);
    EXPECT_EQ(GetPixel(canvas.Dc(), 15, 5), kWhite);
    bitmap.SetTransparent(false);
    ASSERT_TRUE(StretchBitmap(canvas.Dc(), bitmap, canvas.All()));
    EXPECT_EQ(GetPixel(canvas.Dc(), 15, 5), 0xFF00FFu);
}

}  // namespace
}  // namespace vt
