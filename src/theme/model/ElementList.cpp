#include "theme/model/ElementList.h"

#include <stdexcept>
#include <string>

namespace vt {

bool operator==(const LayoutWindow& a, const LayoutWindow& b) {
    return a.window == b.window && a.width == b.width && a.height == b.height && a.style == b.style &&
           a.dpi == b.dpi && a.active == b.active;
}

TUIElement& ElementList::Append() {
    elements_.push_back(std::make_unique<TUIElement>());
    return *elements_.back();
}

const TUIElement& ElementList::At(std::ptrdiff_t index) const {
    if (index < 0 || std::size_t(index) >= elements_.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return *elements_[std::size_t(index)];
}

TUIElement& ElementList::At(std::ptrdiff_t index) {
    return const_cast<TUIElement&>(static_cast<const ElementList*>(this)->At(index));
}

}  // namespace vt
