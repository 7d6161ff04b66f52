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

bool TGreater::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a > b; }); }

TForthObject* TGreater::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order > 0; });
    return nullptr;
}

bool TLess::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a < b; }); }

TForthObject* TLess::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order < 0; });
    return nullptr;
}

bool TEqual::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a == b; }); }

TForthObject* TEqual::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order == 0; });
    return nullptr;
}

bool TGreaterEqual::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a >= b; }); }

TForthObject* TGreaterEqual::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order >= 0; });
    return nullptr;
}

bool TLessEqual::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a <= b; }); }

TForthObject* TLessEqual::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order <= 0; });
    return nullptr;
}

bool TNotEqual::Fast(detail::EngineState&, Value*& top) { return detail::IntegerComparison(top, [](std::int32_t a, std::int32_t b) { return a != b; }); }

TForthObject* TNotEqual::Execute() {
    if (!detail::OnStack(engine(), &Fast)) CompareAny([](int order) { return order != 0; });
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
