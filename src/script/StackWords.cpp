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

bool TDUP::Fast() {
    detail::EngineState& e = detail::Running();
    return !e.dataStack.Empty() && e.dataStack.TryPushPlain(e.dataStack.Top());
}

TForthObject* TDUP::Execute() {
    if (!Fast()) DupAny();
    return nullptr;
}

bool TDROP::Fast() {
    ValueStack& s = detail::Running().dataStack;
    if (s.Empty() || s.Top().IsString()) return false;
    s.DropTop();
    return true;
}

TForthObject* TDROP::Execute() {
    Pop();
    return nullptr;
}

bool TSWAP::Fast() {
    detail::EngineState& e = detail::Running();
    if (e.dataStack.Size() < 2) return false;
    e.dataStack.FromTop(0).Swap(e.dataStack.FromTop(1));
    return true;
}

TForthObject* TSWAP::Execute() {
    if (!Fast()) SwapAny();
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
