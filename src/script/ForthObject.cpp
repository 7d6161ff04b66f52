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

TForthObject* TLiteral::Execute() {
    // The word after this literal does its common case with the value as its operand and is
    // skipped; otherwise the value is pushed and the word runs as usual.
    if (nextWithOperand && value.IsInteger() && nextWithOperand(value.integer())) return next->next;
    if (!detail::engine.errorFlag && detail::engine.dataStack.TryPushPlain(value)) return next;
    return PushLiteral(this);
}

TForthObject* TDefElement::Execute() {
    if (target) target->Execute();
    return next;
}

}  // namespace vt
