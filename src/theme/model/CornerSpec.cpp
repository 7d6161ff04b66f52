#include "theme/model/CornerSpec.h"

#include "theme/ThemeText.h"

namespace vt {
namespace {

std::uint8_t AnchorBit(char letter) {
    switch (UpperChar(letter)) {
    case 'T': return kAnchorTop;
    case 'B': return kAnchorBottom;
    case 'L': return kAnchorLeft;
    case 'R': return kAnchorRight;
    case 'F': return kAnchorFill;
    case 'S': return kAnchorStretch;
    default: return 0;
    }
}

}  // namespace

CornerSpec ParseCorner(const std::string& token) {
    CornerSpec corner;
    if (token.empty()) return corner;
    std::size_t colon = token.find(':');
    std::size_t lettersEnd = colon == std::string::npos ? token.size() : colon;
    for (std::size_t i = 0; i < lettersEnd; ++i) corner.anchor |= AnchorBit(token[i]);
    std::string offsets = colon == std::string::npos ? std::string() : token.substr(colon + 1);
    std::size_t comma = offsets.find(',');
    // Without a comma both offsets are missing: the x text is empty, which is the error.
    std::string x = comma == std::string::npos ? std::string() : offsets.substr(0, comma);
    std::string y = comma == std::string::npos ? std::string() : offsets.substr(comma + 1);
    corner.point.x = ParseDecimal(x);
    corner.point.y = ParseDecimal(y);
    return corner;
}

}  // namespace vt
