#pragma once
// One frame element of a theme: a rectangle placed relative to the window's corners, what the
// area does (its hit code), for which windows it exists (its style condition), up to four
// bitmaps and up to eight script words bound to events. Bitmaps belong to the theme's bitmap
// collection and words to the script dictionary: an element only points at them.
#include <array>
#include <cstdint>
#include <string>

#include "common/Rect.h"
#include "graphics/Bitmap.h"

namespace vt {

class TDefinition;

struct CornerPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

using ElementRect = vt::Rect;

// Bits of a corner's anchor byte. The drawing mode bits count in Anchor1 only.
enum AnchorBits : std::uint8_t {
    kAnchorTop = 0x01,
    kAnchorBottom = 0x02,     // y is measured from the window's bottom edge
    kAnchorLeft = 0x04,
    kAnchorRight = 0x08,      // x is measured from the window's right edge
    kAnchorFill = 0x40,       // the bitmap is tiled over the rectangle
    kAnchorStretch = 0x80,    // the bitmap is stretched to the rectangle
    kAnchorTopLeft = kAnchorTop | kAnchorLeft,
    kAnchorTopRight = kAnchorTop | kAnchorRight,
    kAnchorBottomLeft = kAnchorBottom | kAnchorLeft,
    kAnchorBottomRight = kAnchorBottom | kAnchorRight,
};

class TUIElement {
public:
    bool Hover = false;
    std::int32_t HitCode = 0;
    CornerPoint Corner1;
    CornerPoint Corner2;
    std::uint8_t Anchor1 = 0;
    std::uint8_t Anchor2 = 0;
    ElementRect Rect;
    bool NoImage = false;
    Bitmap* NormalBitmap = nullptr;
    Bitmap* DownBitmap = nullptr;
    Bitmap* InactiveBitmap = nullptr;
    Bitmap* HoverBitmap = nullptr;
    bool Pressed = false;
    bool ShownDown = false;
    std::uint32_t StyleMask = 0;
    bool Inverted = false;
    // Window-style bits none of which the window may have for the element to exist, besides its
    // style condition (imported themes: a maximise button that gives way to its toggled twin on
    // maximised windows). Native themes leave it 0.
    std::uint32_t AbsentStyle = 0;
    std::string Name;
    TDefinition* OnMouseEnter = nullptr;
    TDefinition* OnMouseExit = nullptr;
    TDefinition* OnMouseMove = nullptr;
    TDefinition* OnMouseDown = nullptr;
    TDefinition* OnMouseUp = nullptr;
    TDefinition* OnIdle = nullptr;
    TDefinition* OnCalcRect = nullptr;
    TDefinition* OnPaint = nullptr;
};

// The event slots in their fixed order; a named element's word for a slot is called
// NAME::SLOT (close::OnPaint).
struct EventSlot {
    const char* name;
    TDefinition* TUIElement::*word;
};
extern const std::array<EventSlot, 8> kEventSlots;

// Whether the element exists for a window with these style bits: its style condition holds and
// none of its absent bits is set.
bool ElementApplies(const TUIElement& element, std::uint32_t style);

// Moves both corners by (dx, dy).
void OffsetElement(TUIElement& element, std::int32_t dx, std::int32_t dy);

}  // namespace vt
