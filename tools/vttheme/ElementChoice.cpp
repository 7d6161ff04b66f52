#include "ElementChoice.h"

#include <stdexcept>

#include "common/AsciiText.h"
#include "common/DecimalText.h"
#include "theme/model/ElementCodes.h"

namespace vt {

std::ptrdiff_t FindPreviewElement(const ElementList& elements, const std::string& which) {
    const auto count = std::ptrdiff_t(elements.Count());
    std::int32_t index = 0;
    if (TryParseDecimal(which, index)) {
        if (index >= 0 && index < count) return index;
        throw std::invalid_argument("element " + which + ": the theme has elements 0 to " + std::to_string(count - 1));
    }
    for (std::ptrdiff_t i = 0; i < count; ++i)
        if (!elements.At(i).Name.empty() && SameText(elements.At(i).Name, which)) return i;
    try {
        const std::int32_t hitCode = ElementCodeRow(FindElementCode(which)).HitCode;
        for (std::ptrdiff_t i = 0; i < count; ++i)
            if (elements.At(i).HitCode == hitCode) return i;
    } catch (const std::exception&) {
        // Not an element code either: the error below says so.
    }
    throw std::invalid_argument("element " + which + ": no element has that name or code");
}

std::ptrdiff_t FirstElementWithLook(const ElementList& elements, Bitmap* TUIElement::*look) {
    for (std::ptrdiff_t i = 0; i < std::ptrdiff_t(elements.Count()); ++i) {
        const TUIElement& e = elements.At(i);
        if (e.*look && e.*look != e.NormalBitmap) return i;
    }
    return -1;
}

}  // namespace vt
