#pragma once
// The theme's frame elements in file order. An element's index here is its number everywhere
// else: in the repaint message, in the script constant named after it, in RECTTOP and friends.
// The list owns its elements; their addresses stay valid until the list is discarded.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "theme/model/TUIElement.h"

namespace vt {

// The window an element layout is computed for (see frame/FrameLayout.h).
struct LayoutWindow {
    std::uintptr_t window = 0;
    std::int32_t width = 0;   // of the window rectangle
    std::int32_t height = 0;
    std::uint32_t style = 0;  // GWL_STYLE
    std::int32_t dpi = 96;
    bool active = true;  // which caption font the OnCalcRect words measure with
};

bool operator==(const LayoutWindow& a, const LayoutWindow& b);

// Whose rectangles the elements' Rect fields hold: the layout that computed them (its number and
// window) and how many elements, from the first, it has computed so far.
struct LayoutMark {
    std::uint64_t layout = 0;  // 0: none
    LayoutWindow window;
    std::size_t computed = 0;
};

class ElementList {
public:
    // Appends a new all-zero element and returns it; its index is the old count.
    TUIElement& Append();
    std::size_t Count() const { return elements_.size(); }
    // Throws std::out_of_range "List index out of bounds (N)" outside 0 .. Count() - 1.
    TUIElement& At(std::ptrdiff_t index);
    const TUIElement& At(std::ptrdiff_t index) const;

    // The mark of the rectangles the elements hold; the layouts keep it.
    LayoutMark& Mark() { return mark_; }
    const LayoutMark& Mark() const { return mark_; }
    // A number no layout of this list has had.
    std::uint64_t NewLayoutNumber() { return ++layouts_; }

private:
    std::vector<std::unique_ptr<TUIElement>> elements_;
    LayoutMark mark_;
    std::uint64_t layouts_ = 0;
};

}  // namespace vt
