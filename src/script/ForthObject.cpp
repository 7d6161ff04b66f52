#include "script/ForthObject.h"

#include "script/Engine.h"
#include "script/Inlining.h"

namespace vt {
namespace {

VT_NOINLINE TForthObject* PushLiteral(TLiteral* literal) {
    Push(literal->value);
    return literal->next;
}

}  // namespace

TForthObject* TLiteral::Execute() { return runPair ? runPair(this) : PushValue(); }

TForthObject* TLiteral::PushValue() {
    // Inside a run the error flag is never set (see RunScope).
    if (detail::Running().dataStack.TryPushPlain(value)) return RunOn();
    return PushLiteral(this);
}

TForthObject* TDefElement::Execute() {
    if (target) target->Execute();
    return next;
}

}  // namespace vt
