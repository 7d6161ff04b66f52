#pragma once
// A stack of values in one contiguous block that grows on demand up to a fixed depth: a push
// or pop of an Integer is a store or load and a pointer step, with no allocator involved once
// the block has reached the program's working depth.
#include <cstddef>
#include <new>
#include <utility>

#include "script/Value.h"

namespace vt {

class ValueStack {
public:
    explicit ValueStack(std::size_t maxDepth);
    ~ValueStack();
    ValueStack(const ValueStack&) = delete;
    ValueStack& operator=(const ValueStack&) = delete;

    bool Empty() const noexcept { return top_ == base_; }
    std::size_t Size() const noexcept { return std::size_t(top_ - base_); }
    // Bottom is 0.
    const Value& At(std::size_t index) const { return base_[index]; }
    // The caller checks Empty() / Size() first for these.
    const Value& Top() const { return top_[-1]; }
    // The entry `depth` places below the top (0 is the top). The two entries below the
    // bottom exist and are Empty, so FromTop(0) and FromTop(1) may always be read: a fast path
    // that finds two Integers there needs no separate depth check.
    Value& FromTop(std::size_t depth) { return top_[-1 - std::ptrdiff_t(depth)]; }
    // A push now needs neither a larger block nor an overflow check.
    bool HasRoom() const noexcept { return top_ != limit_; }
    void DropTop() noexcept { (--top_)->~Value(); }
    Value Pop() noexcept {
        Value v(std::move(top_[-1]));
        DropTop();
        return v;
    }

    // False when the stack already holds its maximum depth; the caller reports the overflow.
    bool Push(Value&& v) {
        if (top_ == limit_ && !Grow()) return false;
        new (top_) Value(std::move(v));
        ++top_;
        return true;
    }
    bool Push(const Value& v) { return TryPushPlain(v) || PushCopy(v); }
    // Pushes a copy of `v` when that needs neither a String reference nor a larger block.
    bool TryPushPlain(const Value& v) noexcept {
        if (top_ == limit_ || v.IsString()) return false;
        new (top_) Value(Value::PlainCopy(), v);
        ++top_;
        return true;
    }
    // The top as a pointer one past the top value, for a run that keeps it in a register while
    // its elements step (TForthObject::Step) and hands it back before anything else may look.
    // Between those, only the in-place shortcuts move it, within the block: a push only where
    // HasRoomAt, a pop only above the bottom.
    Value* TopPointer() const noexcept { return top_; }
    void SetTopPointer(Value* top) noexcept { top_ = top; }
    bool HasRoomAt(const Value* top) const noexcept { return top != limit_; }
    std::size_t SizeAt(const Value* top) const noexcept { return std::size_t(top - base_); }

    void Clear() noexcept;
    // Empties the stack and gives back a block that a deep run made grow.
    void ClearAndShrink();

private:
    void Allocate();   // the first block
    bool Grow();
    bool PushCopy(const Value& v);

    static constexpr std::size_t kGuards = 2;   // Empty cells below the bottom

    Value* block_ = nullptr;
    Value* base_ = nullptr;
    Value* top_ = nullptr;
    Value* limit_ = nullptr;
    std::size_t maxDepth_;
};

}  // namespace vt
