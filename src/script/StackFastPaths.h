#pragma once
// In-place shortcuts for the words that loops run most: when the operands on the data stack
// are Integers, the result replaces them where they lie, with no pop, push or copy. Every
// shortcut gives exactly what the general path would, and declines (returns false) otherwise.
// They run only inside a word's run, where the error flag is never set (see RunScope), so
// unlike Push they need not look at it.
#include <cstdint>

#include "script/Engine.h"
#include "script/Inlining.h"

namespace vt {
namespace detail {

Value PopAny();   // Pop() of the general case, out of line

// Both of the two top values are Integers. (The cells below the bottom read as Empty, so a
// short stack fails the kind test.)
inline bool TopTwoAreIntegers() {
    ValueStack& s = Running().dataStack;
    return s.FromTop(0).IsInteger() && s.FromTop(1).IsInteger();
}

// ( a b -- r ) with r = op(a, b) as a 64-bit result, kept when it fits in 32 bits.
template <class Op>
inline bool IntegerBinary(Op op) {
    if (!TopTwoAreIntegers()) return false;
    ValueStack& s = Running().dataStack;
    std::int64_t r = op(std::int64_t(s.FromTop(1).integer()), std::int64_t(s.FromTop(0).integer()));
    if (r != std::int32_t(r)) return false;
    s.FromTop(1).SetInteger(std::int32_t(r));
    s.DropTop();
    return true;
}

// ( a -- r ) with r = op(a, operand): IntegerBinary with the top operand given instead of
// pushed. Declines wherever pushing it first would have left the in-place path (a stack whose
// block is full still grows or overflows through the push).
template <class Op>
inline bool IntegerWithOperand(Op op, std::int32_t operand) {
    ValueStack& s = Running().dataStack;
    if (!s.HasRoom() || !s.FromTop(0).IsInteger()) return false;
    std::int64_t r = op(std::int64_t(s.FromTop(0).integer()), std::int64_t(operand));
    if (r != std::int32_t(r)) return false;
    s.FromTop(0).SetInteger(std::int32_t(r));
    return true;
}

// ( a -- r ) with r = op(a), kept when it fits in 32 bits.
template <class Op>
inline bool IntegerUnary(Op op) {
    Value& top = Running().dataStack.FromTop(0);
    if (!top.IsInteger()) return false;
    std::int64_t r = op(std::int64_t(top.integer()));
    if (r != std::int32_t(r)) return false;
    top.SetInteger(std::int32_t(r));
    return true;
}

// ( a b -- flag ) for two Integers.
template <class Test>
inline bool IntegerComparison(Test test) {
    if (!TopTwoAreIntegers()) return false;
    ValueStack& s = Running().dataStack;
    bool flag = test(s.FromTop(1).integer(), s.FromTop(0).integer());
    s.FromTop(1).SetBoolean(flag);
    s.DropTop();
    return true;
}

// ( flag -- ) The truth of the top value, popped.
inline bool PopTruth() {
    ValueStack& s = Running().dataStack;
    const Value& top = s.FromTop(0);   // Empty below the bottom
    if (top.IsInteger() || top.IsBoolean()) {
        bool truth = top.integer() != 0;   // both keep their value in the payload
        s.DropTop();
        return truth;
    }
    return PopAny().IsTrue();
}

}  // namespace detail
}  // namespace vt
