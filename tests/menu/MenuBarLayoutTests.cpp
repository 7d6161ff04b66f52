// The menu bar's items on one line: left to right, a right-justified group at the right edge, and
// which item a point on the bar falls on.
#include <gtest/gtest.h>

#include "menu/MenuBarLayout.h"

namespace vt {
namespace {

TEST(MenuBarLayout, ItemsFollowEachOtherAndARightJustifiedGroupEndsAtTheRight) {
    const Rect bar{10, 30, 210, 50};
    struct Row {
        const char* name;
        std::vector<BarItemExtent> items;
        std::vector<std::int32_t> lefts;  // each slot's left edge (all are as wide as asked, bar-high)
    } rows[] = {
        {"none", {}, {}},
        {"texts", {{30}, {40}, {20}}, {10, 40, 80}},
        {"a maximised document: icon, texts, three buttons", {{20}, {30}, {40}, {20, true}, {20, true}, {20, true}},
         {10, 30, 60, 150, 170, 190}},
        {"a later flag changes nothing", {{30}, {20, true}, {20}, {20, true}}, {10, 150, 170, 190}},
        {"too wide: the group follows the others", {{120}, {60}, {40, true}}, {10, 130, 190}},
    };
    for (const Row& row : rows) {
        const std::vector<Rect> slots = LayoutMenuBar(row.items, bar);
        ASSERT_EQ(slots.size(), row.items.size()) << row.name;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(slots[i], (Rect{row.lefts[i], 30, row.lefts[i] + row.items[i].width, 50})) << row.name << " " << i;
        }
    }
}

TEST(MenuBarLayout, APointFindsTheItemWhoseSlotHoldsIt) {
    const std::vector<Rect> slots = LayoutMenuBar({{20}, {30}, {20, true}, {20, true}}, Rect{10, 0, 210, 20});
    struct Row {
        std::int32_t x;
        int item;
    } rows[] = {{0, 0}, {10, 0}, {29, 0}, {30, 1}, {59, 1}, {60, -1}, {169, -1}, {170, 2}, {190, 3}, {209, 3}, {210, -1}};
    for (const Row& row : rows) EXPECT_EQ(MenuBarItemAt(slots, row.x), row.item) << row.x;
    EXPECT_EQ(MenuBarItemAt({}, 5), -1);
}

}  // namespace
}  // namespace vt
