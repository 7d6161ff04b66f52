#pragma once
// In-place shortcuts for the words that loops run most: when the operands on the data stack
// are Integers, the result replaces them where they lie, with no pop, push or copy. Every
// shortcut gives exactly what the general path would, and declines (returns false) otherwise.
// They work on the stack's top as a run's steps hold it (`top`, one past the top value; see
// TForthObject::Step), and run only inside a word's run, where the error flag is never set
// (see RunScope), so unlike Push they need not look at it.
#include <cstdint>
#include <new>

#include "script/Engine.h"
#include "script/Inlining.h"

namespace vt {
namespace detail {

Value PopAny();   // Pop() of the general case, out of line

// Both of the two top values are Integers. (The cells below the bottom read as Empty, so a
// short stack fails the kind test.)
inline bool TopTwoAreIntegers(const Value* top) { return top[-1].IsInteger() && top[-2].IsInteger(); }

// ( a b -- r ) with r = op(a, b) as a 64-bit result, kept when it fits in 32 bits.
template <class Op>
inline bool IntegerBinary(Value*& top, Op op) {
    if (!TopTwoAreIntegers(top)) return false;
    std::int64_t r = op(std::int64_t(top[-2].integer()), std::int64_t(top[-1].integer()));
    if (r != std::int32_t(r)) return false;
    top[-2].SetInteger(std::int32_t(r));
    (--top)->~Value();
    return true;
}

// ( a -- r ) with r = op(a, operand): IntegerBinary with the top operand given instead of
// pushed. Declines wherever pushing it first would have left the in-place path (a stack whose
// block is full still grows or overflows through the push).
template <class Op>
inline bool IntegerWithOperand(EngineState& e, Value* top, Op op, std::int32_t operand) {
    if (!e.dataStack.HasRoomAt(top) || !top[-1].IsInteger()) return false;
    std::int64_t r = op(std::int64_t(top[-1].integer()), std::int64_t(operand));
    if (r != std::int32_t(r)) return false;
    top[-1].SetInteger(std::int32_t(r));
    return true;
}

// ( a -- r ) with r = op(a), kept when it fits in 32 bits.
template <class Op>
inline bool IntegerUnary(Value* top, Op op) {
    Value& a = top[-1];
    if (!a.IsInteger()) return false;
    std::int64_t r = op(std::int64_t(a.integer()));
    if (r != std::int32_t(r)) return false;
    a.SetInteger(std::int32_t(r));
    return true;
}

// ( a b -- flag ) for two Integers.
template <class Test>
inline bool IntegerComparison(Value*& top, Test test) {
    if (!TopTwoAreIntegers(top)) return false;
    bool flag = test(top[-2].integer(), top[-1].integer());
    top[-2].SetBoolean(flag);
    (--top)->~Value();
    return true;
}

// Pushes a copy of `v` (not a String) where the stack has room.
inline void PushPlainAt(Value*& top, const Value& v) {
    new (top) Value(Value::PlainCopy(), v);
    ++top;
}

// ( flag -- ) The truth of the top value, popped; the general case on the stack as it is.
VT_NOINLINE inline bool PopTruthOnStack(EngineState& e, Value*& top) {
    bool truth = false;
    OnStoredStack(e, top, [&truth] { truth = PopAny().IsTrue(); });
    return truth;
}

inline bool PopTruth(EngineState& e, Value*& top) {
    const Value& flag = top[-1];   // Empty below the bottom
    if (flag.IsInteger() || flag.IsBoolean()) {
        bool truth = flag.integer() != 0;   // both keep their value in the payload
        (--top)->~Value();
        return truth;
    }
    return PopTruthOnStack(e, top);
}

// Runs a word's shortcut on the stack of `e` as it is (a word run on its own, outside a body's
// steps).
inline bool OnStack(EngineState& e, bool (*fast)(EngineState& e, Value*& top)) {
    ValueStack& stack = e.dataStack;
    Value* top = stack.TopPointer();
    if (!fast(e, top)) return false;
    stack.SetTopPointer(top);
    return true;
}

}  // namespace detail
}  // namespace vt
