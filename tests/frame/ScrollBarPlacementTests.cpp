// A window's own scroll bars inside the client element: where they lie, what remains for the
// program, and what the hit test answers on them.
#include <gtest/gtest.h>

#include "frame/ScrollBarPlacement.h"
#include "theme/model/ElementCode.h"

namespace vt {
namespace {

constexpr std::int32_t kGrip = kCodeBottomRight;

TEST(ScrollBarPlacement, BarsTakeTheirRoomFromTheClientElement) {
    const Rect area{4, 40, 204, 140};  // 200 x 100
    const ScrollBarSizes at100{16, 16}, at200{32, 32};
    struct Row {
        const char* name;
        std::uint32_t style, exStyle;
        ScrollBarSizes sizes;
        Rect client, vertical, horizontal, grip;
    } rows[] = {
        {"none", 0, 0, at100, area, {}, {}, {}},
        {"vertical", kStyleVScroll, 0, at100, {4, 40, 188, 140}, {188, 40, 204, 140}, {}, {}},
        {"horizontal", kStyleHScroll, 0, at100, {4, 40, 204, 124}, {}, {4, 124, 204, 140}, {}},
        {"both", kStyleVScroll | kStyleHScroll, 0, at100, {4, 40, 188, 124}, {188, 40, 204, 124},
         {4, 124, 188, 140}, {188, 124, 204, 140}},
        {"both at 200 %", kStyleVScroll | kStyleHScroll, 0, at200, {4, 40, 172, 108}, {172, 40, 204, 108},
         {4, 108, 172, 140}, {172, 108, 204, 140}},
        {"both, bar on the left", kStyleVScroll | kStyleHScroll, kExStyleLeftScrollBar, at100, {20, 40, 204, 124},
         {4, 40, 20, 124}, {20, 124, 204, 140}, {4, 124, 20, 140}},
        {"too small for either", kStyleVScroll | kStyleHScroll, 0, {300, 100}, area, {}, {}, {}},
    };
    for (const Row& row : rows) {
        const ScrollBarPlacement bars = PlaceScrollBars(area, row.style, row.exStyle, row.sizes);
        EXPECT_EQ(bars.client, row.client) << row.name;
        EXPECT_EQ(bars.vertical, row.vertical) << row.name;
        EXPECT_EQ(bars.horizontal, row.horizontal) << row.name;
        EXPECT_EQ(bars.grip, row.grip) << row.name;
    }
}

TEST(ScrollBarPlacement, HitTestAnswersEachPartWithItsRightAndBottomEdgesOutside) {
    const ScrollBarPlacement bars = PlaceScrollBars(Rect{0, 0, 100, 100}, kStyleVScroll | kStyleHScroll, 0, {10, 10});
    struct Row {
        std::int32_t x, y, code;
    } rows[] = {{90, 0, kCodeVScroll}, {99, 89, kCodeVScroll}, {89, 50, kCodeNowhere}, {100, 50, kCodeNowhere},
                {0, 90, kCodeHScroll}, {89, 99, kCodeHScroll}, {90, 90, kGrip}, {99, 99, kGrip},
                {50, 100, kCodeNowhere}};
    for (const Row& row : rows) EXPECT_EQ(ScrollBarHit(bars, row.x, row.y, kGrip), row.code) << row.x << "," << row.y;
}

}  // namespace
}  // namespace vt
