#include "theme/import/ImportedElement.h"

#include "theme/model/ElementCodes.h"

namespace vt {
namespace {

struct CornerBox {
    CornerPoint corner1;
    CornerPoint corner2;
};

CornerBox BoxInCorner(std::uint8_t anchor, int w, int h) {
    switch (anchor) {
    case kAnchorTopRight: return {{-w, 0}, {0, h}};
    case kAnchorBottomRight: return {{-w, -h}, {0, 0}};
    case kAnchorBottomLeft: return {{0, -h}, {w, 0}};
    default: return {{0, 0}, {w, h}};  // top left
    }
}

}  // namespace

TUIElement& AppendImageElement(ElementList& elements, const ElementImages& images, std::uint8_t anchor1,
                               std::uint8_t anchor2, std::int32_t hitCode, std::uint32_t style, std::uint8_t mode) {
    TUIElement& element = elements.Append();
    element.HitCode = hitCode;
    element.StyleMask = style;
    element.NormalBitmap = images.normal;
    element.DownBitmap = images.down ? images.down : images.normal;
    element.InactiveBitmap = images.inactive ? images.inactive : images.normal;
    element.HoverBitmap = images.hover;
    element.Anchor1 = std::uint8_t(anchor1 | mode);
    element.Anchor2 = anchor2;
    if (!images.normal) return element;
    const int w = images.normal->Width(), h = images.normal->Height();
    element.Corner1 = BoxInCorner(anchor1, w, h).corner1;
    element.Corner2 = BoxInCorner(anchor2, w, h).corner2;
    return element;
}

std::uint32_t StyleOfHitCode(std::int32_t hitCode) {
    return ElementCodeRow(FindElementCodeByHitCode(hitCode)).Style;
}

}  // namespace vt
