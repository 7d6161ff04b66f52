#include <gtest/gtest.h>
#include <windows.h>

#include "common/win32/UniqueHandle.h"
#include "frame/win32/FrameWindowDc.h"

namespace vt {
namespace {

// A pass changes the clip region, the current position and the stretching mode of a DC that is
// not reset on release: the next one to take a DC of the window finds none of it.
TEST(FrameWindowDc, TheNextDcOfTheWindowHasNothingOfAPass) {
    UniqueWindow window(CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 30, 30, 80, 60, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    int mode = 0;
    {
        FrameWindowDc dc(window.get());
        ASSERT_TRUE(dc);
        mode = GetStretchBltMode(dc.Get());
        ExcludeClipRect(dc.Get(), 4, 4, 76, 56);
        IntersectClipRect(dc.Get(), 0, 0, 40, 30);
        MoveToEx(dc.Get(), 17, 9, nullptr);
        SetStretchBltMode(dc.Get(), mode == COLORONCOLOR ? HALFTONE : COLORONCOLOR);
    }
    for (int taken = 0; taken < 2; ++taken) {
        FrameWindowDc dc(window.get());  // the cache's DC the last one gave back, where it has one
        ASSERT_TRUE(dc);
        UniqueGdiObject clip(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetClipRgn(dc.Get(), static_cast<HRGN>(clip.get())), 0) << "a clip region stayed";
        POINT at{-1, -1};
        GetCurrentPositionEx(dc.Get(), &at);
        EXPECT_EQ(at.x, 0);
        EXPECT_EQ(at.y, 0);
        EXPECT_EQ(GetStretchBltMode(dc.Get()), mode);
    }
}

}  // namespace
}  // namespace vt
