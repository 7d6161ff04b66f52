#include "script/ArithmeticWords.h"

#include "script/Engine.h"

namespace vt {

TForthObject* TAdd::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(Add(b, a));
    return nullptr;
}

TForthObject* TSub::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(Subtract(a, b));
    return nullptr;
}

TForthObject* TMult::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(Multiply(b, a));
    return nullptr;
}

TForthObject* TDiv::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(Divide(a, b));
    return nullptr;
}

TForthObject* TInc::Execute() {
    Push(Add(Pop(), Value::FromInt(1)));
    return nullptr;
}

TForthObject* TDec::Execute() {
    Push(Subtract(Pop(), Value::FromInt(1)));
    return nullptr;
}

TForthObject* T2Mult::Execute() {
    Push(ShiftLeftOne(Pop()));
    return nullptr;
}

TForthObject* T2Div::Execute() {
    Push(ShiftRightOne(Pop()));
    return nullptr;
}

TForthObject* TAnd::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(BitAnd(b, a));
    return nullptr;
}

TForthObject* TOr::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(BitOr(b, a));
    return nullptr;
}

TForthObject* TXor::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(BitXor(b, a));
    return nullptr;
}

TForthObject* Tnot::Execute() {
    Push(Not(Pop()));
    return nullptr;
}

}  // namespace vt
