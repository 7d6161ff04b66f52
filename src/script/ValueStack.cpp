#include "script/ValueStack.h"

#include <cstdlib>

namespace vt {

ValueStack::~ValueStack() {
    Clear();
    std::free(base_);
}

void ValueStack::Clear() noexcept {
    while (top_ != base_) DropTop();
}

bool ValueStack::PushCopy(const Value& v) {
    return Push(Value(v));   // copied first: `v` may live in the block that grows
}

bool ValueStack::Grow() {
    std::size_t capacity = std::size_t(limit_ - base_);
    if (capacity >= maxDepth_) return false;
    std::size_t grown = capacity ? capacity * 2 : 64;
    if (grown > maxDepth_) grown = maxDepth_;
    Value* block = static_cast<Value*>(std::malloc(grown * sizeof(Value)));
    if (!block) throw std::bad_alloc();
    std::size_t size = Size();
    for (std::size_t i = 0; i < size; ++i) {
        new (block + i) Value(std::move(base_[i]));
        base_[i].~Value();
    }
    std::free(base_);
    base_ = block;
    top_ = block + size;
    limit_ = block + grown;
    return true;
}

}  // namespace vt
