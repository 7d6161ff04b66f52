#pragma once
// Elements for the frame's portable tests, written as a theme writes them.
#include <cstdint>

#include "theme/model/CornerSpec.h"
#include "theme/model/TUIElement.h"

namespace vt::test {

inline TUIElement Element(const char* first, const char* second, std::int32_t code = 3,
                          std::uint32_t mask = 0xFFFFFFFF) {
    TUIElement e;
    CornerSpec a = ParseCorner(first), b = ParseCorner(second);
    e.Corner1 = a.point;
    e.Anchor1 = a.anchor;
    e.Corner2 = b.point;
    e.Anchor2 = b.anchor;
    e.HitCode = code;
    e.StyleMask = mask;
    return e;
}

}  // namespace vt::test
