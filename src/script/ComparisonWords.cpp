#include "script/ComparisonWords.h"

#include "script/Engine.h"

namespace vt {
namespace {

// Pops b, then a; returns the order of a against b.
int PopAndCompare() {
    Value b = Pop();
    Value a = Pop();
    return Compare(a, b);
}

}  // namespace

TForthObject* TGreater::Execute() {
    Push(Value::FromBool(PopAndCompare() > 0));
    return nullptr;
}

TForthObject* TLess::Execute() {
    Push(Value::FromBool(PopAndCompare() < 0));
    return nullptr;
}

TForthObject* TEqual::Execute() {
    Push(Value::FromBool(PopAndCompare() == 0));
    return nullptr;
}

TForthObject* TGreaterEqual::Execute() {
    Push(Value::FromBool(PopAndCompare() >= 0));
    return nullptr;
}

TForthObject* TLessEqual::Execute() {
    Push(Value::FromBool(PopAndCompare() <= 0));
    return nullptr;
}

TForthObject* TNotEqual::Execute() {
    Push(Value::FromBool(PopAndCompare() != 0));
    return nullptr;
}

}  // namespace vt
