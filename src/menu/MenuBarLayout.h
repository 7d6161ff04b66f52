#pragma once
// Where the items of a menu bar lie on one line: from the bar's left edge each after the other,
// except that the first item marked to be right-justified and every item after it sit together at
// the bar's right edge, in their order (a maximised MDI document's buttons, a Help item). Each
// item's slot is the rectangle it is highlighted and clicked in.
#include <cstdint>
#include <vector>

#include "common/Rect.h"

namespace vt {

struct BarItemExtent {
    std::int32_t width = 0;     // of its slot
    bool rightJustify = false;  // MFT_RIGHTJUSTIFY
};

// One slot per item, as high as the bar. The right-justified group never starts left of the end
// of the items before it.
std::vector<Rect> LayoutMenuBar(const std::vector<BarItemExtent>& items, const Rect& bar);

// The item whose slot holds x (window coordinates): left of the first slot, the first item; in the
// gap before a right-justified group or right of the last slot, none (-1).
int MenuBarItemAt(const std::vector<Rect>& slots, std::int32_t x);

}  // namespace vt
