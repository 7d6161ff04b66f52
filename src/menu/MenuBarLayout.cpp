#include "menu/MenuBarLayout.h"

namespace vt {

std::vector<Rect> LayoutMenuBar(const std::vector<BarItemExtent>& items, const Rect& bar) {
    std::vector<Rect> slots;
    slots.reserve(items.size());
    std::size_t group = items.size();  // where the right-justified group starts
    std::int32_t cursor = bar.Left;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].rightJustify && group == items.size()) group = i;
        if (group != items.size()) continue;
        slots.push_back(Rect{cursor, bar.Top, cursor + items[i].width, bar.Bottom});
        cursor += items[i].width;
    }
    std::int32_t groupWidth = 0;
    for (std::size_t i = group; i < items.size(); ++i) groupWidth += items[i].width;
    cursor = bar.Right - groupWidth > cursor ? bar.Right - groupWidth : cursor;
    for (std::size_t i = group; i < items.size(); ++i) {
        slots.push_back(Rect{cursor, bar.Top, cursor + items[i].width, bar.Bottom});
        cursor += items[i].width;
    }
    return slots;
}

int MenuBarItemAt(const std::vector<Rect>& slots, std::int32_t x) {
    if (slots.empty()) return -1;
    if (x < slots.front().Left) return 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].Left <= x && x < slots[i].Right) return int(i);
    }
    return -1;
}

}  // namespace vt
