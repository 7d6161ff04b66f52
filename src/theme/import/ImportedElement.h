#pragma once
// The elements that the importers of other window managers' themes build: one element showing
// up to four images, its corners set so that a box of the normal image's size sits in the
// window corner that each anchor names. The importers then move the corners into their layout.
#include <cstdint>

#include "graphics/Bitmap.h"
#include "theme/model/ElementCode.h"
#include "theme/model/ElementList.h"
#include "theme/model/TUIElement.h"
#include "theme/model/WindowStyleBits.h"

namespace vt {

// Generated elements' style masks: frame pieces exist for windows with a sizing frame
// (kStyleThickFrame), title pieces for windows with a caption (kStyleCaption), the client for
// all (kStyleAny).

// The size of an image that may be missing (0 when it is).
inline int WidthOf(const Bitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }
inline int HeightOf(const Bitmap* bitmap) { return bitmap ? bitmap->Height() : 0; }

struct ElementImages {
    Bitmap* normal = nullptr;
    Bitmap* down = nullptr;      // null: the normal image
    Bitmap* inactive = nullptr;  // null: the normal image
    Bitmap* hover = nullptr;     // null stays null: the painter then shows the normal image
};

// Appends the element with Anchor1 = anchor1 | mode. Without a normal image both corners stay
// (0, 0); with one of W x H they are (0,0)-(W,H) for TL, (-W,0)-(0,H) for TR, (-W,-H)-(0,0) for
// BR and (0,-H)-(W,0) for BL, the first corner by anchor1 and the second by anchor2.
TUIElement& AppendImageElement(ElementList& elements, const ElementImages& images, std::uint8_t anchor1,
                               std::uint8_t anchor2, std::int32_t hitCode, std::uint32_t style, std::uint8_t mode);

// The style mask that the element-code table gives the hit code (its first row with that code).
std::uint32_t StyleOfHitCode(std::int32_t hitCode);

}  // namespace vt
