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

bool TDUP::Fast(detail::EngineState& e, Value*& top) {
    const ValueStack& s = e.dataStack;
    if (s.SizeAt(top) == 0 || !s.HasRoomAt(top) || top[-1].IsString()) return false;
    detail::PushPlainAt(top, top[-1]);
    return true;
}

TForthObject* TDUP::Execute() {
    if (!detail::OnStack(engine(), &Fast)) DupAny();
    return nullptr;
}

bool TDROP::Fast(detail::EngineState& e, Value*& top) {
    if (e.dataStack.SizeAt(top) == 0 || top[-1].IsString()) return false;
    (--top)->~Value();
    return true;
}

TForthObject* TDROP::Execute() {
    Pop();
    return nullptr;
}

bool TSWAP::Fast(detail::EngineState& e, Value*& top) {
    if (e.dataStack.SizeAt(top) < 2) return false;
    top[-1].Swap(top[-2]);
    return true;
}

TForthObject* TSWAP::Execute() {
    if (!detail::OnStack(engine(), &Fast)) SwapAny();
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
