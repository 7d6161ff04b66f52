#include "script/StackWords.h"

#include "script/Engine.h"
#include "script/StackFastPaths.h"

namespace vt {
namespace {

VT_NOINLINE void DupAny() {
    Value a = Pop();
    Push(a);
    Push(std::move(a));
}

VT_NOINLINE void SwapAny() {
    Value b = Pop();
    Value a = Pop();
    Push(std::move(b));
    Push(std::move(a));
}

}  // namespace

TForthObject* TDUP::Execute() {
    detail::EngineState& e = detail::engine;
    if (!e.errorFlag && !e.dataStack.Empty()) {
        Push(e.dataStack.Top());
    } else {
        DupAny();
    }
    return nullptr;
}

TForthObject* TDROP::Execute() {
    Pop();
    return nullptr;
}

TForthObject* TSWAP::Execute() {
    detail::EngineState& e = detail::engine;
    if (!e.errorFlag && e.dataStack.Size() >= 2) {
        e.dataStack.FromTop(0).Swap(e.dataStack.FromTop(1));
    } else {
        SwapAny();
    }
    return nullptr;
}

TForthObject* TRPush::Execute() {
    PushReturn(Pop());
    return nullptr;
}

TForthObject* TRPop::Execute() {
    Push(PopReturn());
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TDUP>;
template class TNativeReference<TDROP>;
template class TNativeReference<TSWAP>;
template class TNativeReference<TRPush>;
template class TNativeReference<TRPop>;

}  // namespace vt
