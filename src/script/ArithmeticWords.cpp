#include "script/ArithmeticWords.h"

#include "script/Engine.h"
#include "script/StackFastPaths.h"

namespace vt {
namespace {

using Operation = Value (*)(const Value& left, const Value& right);

// ( a b -- op(b, a) ): the words whose left operand is the top.
VT_NOINLINE void TopFirst(Operation op) {
    Value b = Pop();
    Value a = Pop();
    Push(op(b, a));
}

// ( a b -- op(a, b) )
VT_NOINLINE void SecondFirst(Operation op) {
    Value b = Pop();
    Value a = Pop();
    Push(op(a, b));
}

// ( a -- op(a) )
VT_NOINLINE void Unary(Value (*op)(const Value&)) { Push(op(Pop())); }

Value Increment(const Value& v) { return Add(v, Value::FromInt(1)); }
Value Decrement(const Value& v) { return Subtract(v, Value::FromInt(1)); }

// The Integer cases, on 64 bits: `a` is the second value, `b` the top.
std::int64_t Sum(std::int64_t a, std::int64_t b) { return b + a; }
std::int64_t Difference(std::int64_t a, std::int64_t b) { return a - b; }
std::int64_t Product(std::int64_t a, std::int64_t b) { return b * a; }
std::int64_t BitsAnd(std::int64_t a, std::int64_t b) { return b & a; }
std::int64_t BitsOr(std::int64_t a, std::int64_t b) { return b | a; }
std::int64_t BitsXor(std::int64_t a, std::int64_t b) { return b ^ a; }

}  // namespace

bool TAdd::Fast(Value*& top) { return detail::IntegerBinary(top, Sum); }
bool TAdd::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, Sum, operand); }

TForthObject* TAdd::Execute() {
    if (!detail::OnStack(&Fast)) TopFirst(Add);
    return nullptr;
}

bool TSub::Fast(Value*& top) { return detail::IntegerBinary(top, Difference); }
bool TSub::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, Difference, operand); }

TForthObject* TSub::Execute() {
    if (!detail::OnStack(&Fast)) SecondFirst(Subtract);
    return nullptr;
}

bool TMult::Fast(Value*& top) { return detail::IntegerBinary(top, Product); }
bool TMult::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, Product, operand); }

TForthObject* TMult::Execute() {
    if (!detail::OnStack(&Fast)) TopFirst(Multiply);
    return nullptr;
}

TForthObject* TDiv::Execute() {
    SecondFirst(Divide);
    return nullptr;
}

bool TInc::Fast(Value*& top) { return detail::IntegerUnary(top, [](std::int64_t a) { return a + 1; }); }

TForthObject* TInc::Execute() {
    if (!detail::OnStack(&Fast)) Unary(Increment);
    return nullptr;
}

bool TDec::Fast(Value*& top) { return detail::IntegerUnary(top, [](std::int64_t a) { return a - 1; }); }

TForthObject* TDec::Execute() {
    if (!detail::OnStack(&Fast)) Unary(Decrement);
    return nullptr;
}

TForthObject* T2Mult::Execute() {
    Unary(ShiftLeftOne);
    return nullptr;
}

TForthObject* T2Div::Execute() {
    Unary(ShiftRightOne);
    return nullptr;
}

bool TAnd::Fast(Value*& top) { return detail::IntegerBinary(top, BitsAnd); }
bool TAnd::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, BitsAnd, operand); }

TForthObject* TAnd::Execute() {
    if (!detail::OnStack(&Fast)) TopFirst(BitAnd);
    return nullptr;
}

bool TOr::Fast(Value*& top) { return detail::IntegerBinary(top, BitsOr); }
bool TOr::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, BitsOr, operand); }

TForthObject* TOr::Execute() {
    if (!detail::OnStack(&Fast)) TopFirst(BitOr);
    return nullptr;
}

bool TXor::Fast(Value*& top) { return detail::IntegerBinary(top, BitsXor); }
bool TXor::FastWith(Value* top, std::int32_t operand) { return detail::IntegerWithOperand(top, BitsXor, operand); }

TForthObject* TXor::Execute() {
    if (!detail::OnStack(&Fast)) TopFirst(BitXor);
    return nullptr;
}

TForthObject* Tnot::Execute() {
    Unary(Not);
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TAdd>;
template class TNativeReference<TSub>;
template class TNativeReference<TMult>;
template class TNativeReference<TDiv>;
template class TNativeReference<TInc>;
template class TNativeReference<TDec>;
template class TNativeReference<T2Mult>;
template class TNativeReference<T2Div>;
template class TNativeReference<TAnd>;
template class TNativeReference<TOr>;
template class TNativeReference<TXor>;
template class TNativeReference<Tnot>;
template class TLiteralOperation<TAdd>;
template class TLiteralOperation<TSub>;
template class TLiteralOperation<TMult>;
template class TLiteralOperation<TAnd>;
template class TLiteralOperation<TOr>;
template class TLiteralOperation<TXor>;

}  // namespace vt
