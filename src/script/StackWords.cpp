#include "script/StackWords.h"

#include "script/Engine.h"

namespace vt {

TForthObject* TDUP::Execute() {
    Value a = Pop();
    Push(a);
    Push(std::move(a));
    return nullptr;
}

TForthObject* TDROP::Execute() {
    Pop();
    return nullptr;
}

TForthObject* TSWAP::Execute() {
    Value b = Pop();
    Value a = Pop();
    Push(std::move(b));
    Push(std::move(a));
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

}  // namespace vt
