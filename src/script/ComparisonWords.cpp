#include "script/ComparisonWords.h"

#include "script/Engine.h"
#include "script/StackFastPaths.h"

namespace vt {
namespace {

// ( a b -- flag ) with flag = accept(order of a against b).
VT_NOINLINE void CompareAny(bool (*accept)(int order)) {
    Value b = Pop();
    Value a = Pop();
    Push(Value::FromBool(accept(Compare(a, b))));
}

}  // namespace

TForthObject* TGreater::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a > b; })) {
        CompareAny([](int order) { return order > 0; });
    }
    return nullptr;
}

TForthObject* TLess::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a < b; })) {
        CompareAny([](int order) { return order < 0; });
    }
    return nullptr;
}

TForthObject* TEqual::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a == b; })) {
        CompareAny([](int order) { return order == 0; });
    }
    return nullptr;
}

TForthObject* TGreaterEqual::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a >= b; })) {
        CompareAny([](int order) { return order >= 0; });
    }
    return nullptr;
}

TForthObject* TLessEqual::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a <= b; })) {
        CompareAny([](int order) { return order <= 0; });
    }
    return nullptr;
}

TForthObject* TNotEqual::Execute() {
    if (!detail::IntegerComparison([](std::int32_t a, std::int32_t b) { return a != b; })) {
        CompareAny([](int order) { return order != 0; });
    }
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TGreater>;
template class TNativeReference<TLess>;
template class TNativeReference<TEqual>;
template class TNativeReference<TGreaterEqual>;
template class TNativeReference<TLessEqual>;
template class TNativeReference<TNotEqual>;

}  // namespace vt
