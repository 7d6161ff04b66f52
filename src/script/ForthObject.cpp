#include "script/ForthObject.h"

#include <new>

#include "script/Engine.h"
#include "script/Inlining.h"

namespace vt {
namespace {

VT_NOINLINE Flow PushLiteral(TLiteral* literal, Value* top) {
    detail::OnStoredStack(literal->engine(), top, [literal] { detail::PushOn(literal->engine(), literal->value); });
    return MakeFlow(literal->next, top);
}

}  // namespace

Flow TForthObject::Step(Value* top) {
    TForthObject* following = nullptr;
    detail::OnStoredStack(engine(), top, [&] { following = Execute(); });
    return MakeFlow(following, top);
}

TForthObject* TForthObject::StepOnStack() {
    ValueStack& stack = engine().dataStack;
    Flow flow = Step(stack.TopPointer());
    stack.SetTopPointer(FlowTop(flow));
    return FlowNext(flow);
}

Flow TLiteral::Step(Value* top) {
    // Inside a run the error flag is never set (see RunScope), so only room and kind matter.
    if (engine().dataStack.HasRoomAt(top) && !value.IsString()) {
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
