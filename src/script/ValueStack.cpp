#include "script/ValueStack.h"

#include <cstdlib>

namespace vt {

namespace {

constexpr std::size_t kFirstCapacity = 64;

}  // namespace

ValueStack::ValueStack(std::size_t maxDepth) : maxDepth_(maxDepth) { Allocate(); }

void ValueStack::Allocate() {
    block_ = static_cast<Value*>(std::malloc((kGuards + kFirstCapacity) * sizeof(Value)));
    if (!block_) throw std::bad_alloc();
    for (std::size_t i = 0; i < kGuards; ++i) new (block_ + i) Value();
    base_ = top_ = block_ + kGuards;
    limit_ = base_ + kFirstCapacity;
}

void ValueStack::ClearAndShrink() {
    Clear();
    if (std::size_t(limit_ - base_) == kFirstCapacity) return;
    std::free(block_);
    Allocate();
}

ValueStack::~ValueStack() {
    Clear();
    std::free(block_);   // the guards are Empty: nothing to destroy
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
    std::size_t grown = capacity * 2;
    if (grown > maxDepth_) grown = maxDepth_;
    Value* block = static_cast<Value*>(std::malloc((kGuards + grown) * sizeof(Value)));
    if (!block) throw std::bad_alloc();
    for (std::size_t i = 0; i < kGuards; ++i) new (block + i) Value();
    Value* base = block + kGuards;
    std::size_t size = Size();
    for (std::size_t i = 0; i < size; ++i) {
        new (base + i) Value(std::move(base_[i]));
        base_[i].~Value();
    }
    std::free(block_);
    block_ = block;
    base_ = base;
    top_ = base + size;
    limit_ = base + grown;
    return true;
}

}  // namespace vt
