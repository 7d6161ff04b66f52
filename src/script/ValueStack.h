#pragma once
// A stack of values in one contiguous block: a push or pop of an Integer touches no allocator
// once the block has grown to the program's working depth.
#include <cstddef>
#include <utility>
#include <vector>

#include "script/Value.h"

namespace vt {

class ValueStack {
public:
    bool Empty() const noexcept { return items_.empty(); }
    std::size_t Size() const noexcept { return items_.size(); }
    // Bottom is 0.
    const Value& At(std::size_t index) const { return items_[index]; }
    const Value& Top() const { return items_.back(); }

    void Push(const Value& v) { items_.push_back(v); }
    void Push(Value&& v) { items_.push_back(std::move(v)); }
    // The caller checks Empty() first.
    Value Pop() {
        Value v(std::move(items_.back()));
        items_.pop_back();
        return v;
    }
    void Clear() noexcept { items_.clear(); }

private:
    std::vector<Value> items_;
};

}  // namespace vt
