#include "theme/model/TUIElement.h"

namespace vt {

const std::array<EventSlot, 8> kEventSlots = {{
    {"OnMouseEnter", &TUIElement::OnMouseEnter},
    {"OnMouseExit", &TUIElement::OnMouseExit},
    {"OnMouseMove", &TUIElement::OnMouseMove},
    {"OnMouseDown", &TUIElement::OnMouseDown},
    {"OnMouseUp", &TUIElement::OnMouseUp},
    {"OnIdle", &TUIElement::OnIdle},
    {"OnCalcRect", &TUIElement::OnCalcRect},
    {"OnPaint", &TUIElement::OnPaint},
}};

bool ElementApplies(const TUIElement& element, std::uint32_t style) {
    // An inverted element exists where one of its mask bits is missing from the window, so a
    // zero mask (ERROR) applies to no window either way.
    if ((element.AbsentStyle & style) != 0) return false;
    return element.Inverted ? (element.StyleMask & ~style) != 0 : (element.StyleMask & style) != 0;
}

void OffsetElement(TUIElement& element, std::int32_t dx, std::int32_t dy) {
    element.Corner1.x += dx;
    element.Corner1.y += dy;
    element.Corner2.x += dx;
    element.Corner2.y += dy;
}

}  // namespace vt
