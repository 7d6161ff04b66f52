#pragma once
// The theme's frame elements in file order. An element's index here is its number everywhere
// else: in the repaint message, in the script constant named after it, in RECTTOP and friends.
// The list owns its elements; their addresses stay valid until the list is discarded.
#include <cstddef>
#include <memory>
#include <vector>

#include "theme/model/TUIElement.h"

namespace vt {

class ElementList {
public:
    // Appends a new all-zero element and returns it; its index is the old count.
    TUIElement& Append();
    std::size_t Count() const { return elements_.size(); }
    // Throws std::out_of_range "List index out of bounds (N)" outside 0 .. Count() - 1.
    TUIElement& At(std::ptrdiff_t index);
    const TUIElement& At(std::ptrdiff_t index) const;

private:
    std::vector<std::unique_ptr<TUIElement>> elements_;
};

}  // namespace vt
