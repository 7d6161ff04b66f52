#include "script/ForthObject.h"

#include <new>

#include "script/Engine.h"
#include "script/Inlining.h"

namespace vt {
namespace {

VT_NOINLINE Flow PushLiteral(TLiteral* literal, Value* top) {
    ValueStack& stack = detail::Running().dataStack;
    stack.SetTopPointer(top);
    Push(literal->value);
    return MakeFlow(literal->next, stack.TopPointer());
}

}  // namespace

Flow TForthObject::Step(Value* top) {
    ValueStack& stack = detail::Running().dataStack;
    stack.SetTopPointer(top);
    TForthObject* following = Execute();
    return MakeFlow(following, stack.TopPointer());
}

TForthObject* TForthObject::StepOnStack() {
    ValueStack& stack = detail::Running().dataStack;
    Flow flow = Step(stack.TopPointer());
    stack.SetTopPointer(FlowTop(flow));
    return FlowNext(flow);
}

Flow TLiteral::Step(Value* top) {
    // Inside a run the error flag is never set (see RunScope), so only room and kind matter.
    if (detail::Running().dataStack.HasRoomAt(top) && !value.IsString()) {
        new (top) Value(Value::PlainCopy(), value);
        return RunOn(top + 1);
    }
    return PushLiteral(this, top);
}

TForthObject* TDefElement::Execute() {
    if (target) target->Execute();
    return next;
}

}  // namespace vt
