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

bool TAdd::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, Sum); }
bool TAdd::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, Sum, operand); }

TForthObject* TAdd::Execute() {
    if (!detail::OnStack(engine(), &Fast)) TopFirst(Add);
    return nullptr;
}

bool TSub::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, Difference); }
bool TSub::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, Difference, operand); }

TForthObject* TSub::Execute() {
    if (!detail::OnStack(engine(), &Fast)) SecondFirst(Subtract);
    return nullptr;
}

bool TMult::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, Product); }
bool TMult::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, Product, operand); }

TForthObject* TMult::Execute() {
    if (!detail::OnStack(engine(), &Fast)) TopFirst(Multiply);
    return nullptr;
}

TForthObject* TDiv::Execute() {
    SecondFirst(Divide);
    return nullptr;
}

bool TInc::Fast(detail::EngineState&, Value*& top) { return detail::IntegerUnary(top, [](std::int64_t a) { return a + 1; }); }

TForthObject* TInc::Execute() {
    if (!detail::OnStack(engine(), &Fast)) Unary(Increment);
    return nullptr;
}

bool TDec::Fast(detail::EngineState&, Value*& top) { return detail::IntegerUnary(top, [](std::int64_t a) { return a - 1; }); }

TForthObject* TDec::Execute() {
    if (!detail::OnStack(engine(), &Fast)) Unary(Decrement);
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

bool TAnd::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, BitsAnd); }
bool TAnd::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, BitsAnd, operand); }

TForthObject* TAnd::Execute() {
    if (!detail::OnStack(engine(), &Fast)) TopFirst(BitAnd);
    return nullptr;
}

bool TOr::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, BitsOr); }
bool TOr::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, BitsOr, operand); }

TForthObject* TOr::Execute() {
    if (!detail::OnStack(engine(), &Fast)) TopFirst(BitOr);
    return nullptr;
}

bool TXor::Fast(detail::EngineState&, Value*& top) { return detail::IntegerBinary(top, BitsXor); }
bool TXor::FastWith(detail::EngineState& e, Value* top, std::int32_t operand) { return detail::IntegerWithOperand(e, top, BitsXor, operand); }

TForthObject* TXor::Execute() {
    if (!detail::OnStack(engine(), &Fast)) TopFirst(BitXor);
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
