#include "script/Definition.h"

#include "script/Engine.h"

namespace vt {

TDefinition::~TDefinition() {
    // Iteratively: a long body must not recurse once per element.
    TForthObject* element = target;
    while (element) {
        TForthObject* following = element->next;
        delete element;
        element = following;
    }
}

TForthObject* TDefinition::Execute() {
    detail::EngineState& e = engine();
    if (e.activeRuns == 0) {
        // Called directly from outside the engine: run inside a RunScope so that the bounds
        // hold. (Kept out of line to keep this frame small.)
        detail::RunTopLevel(this);
        return nullptr;
    }
    // Nesting is native recursion (a reference element runs its word inside its own Execute),
    // so the depth is bounded before the thread's stack is.
    if (++e.depth > kMaxNesting) detail::NestingTooDeep();
    // One pass over the body runs each element at most once, since only loop branches lead
    // back: the pass is paid for here, each jump back by its branch.
    detail::ChargeSteps(e, length_ + 1);
    e.errorFlag = false;
    // The run stops before the next element once the error flag is set. The flag is only ever
    // set by Error, which throws at once, so no element returns while it is set and the loop
    // need not test it after each element.
    // The stack's top is held in a register between the elements (see TForthObject::Step).
    ValueStack& stack = e.dataStack;
    TForthObject* element = target;
    Value* top = stack.TopPointer();
    while (element) {
        const Flow flow = element->Step(top);
        element = FlowNext(flow);
        top = FlowTop(flow);
    }
    stack.SetTopPointer(top);
    --e.depth;
    return nullptr;
}

void TDefinition::AppendToBody(TForthObject* element) noexcept {
    if (!target) {
        target = element;
    } else {
        if (!last_) last_ = target;
        while (last_->next) last_ = last_->next;
        last_->next = element;
        last_->flags &= std::uint8_t(~LastInBody);
    }
    last_ = element;
    for (;;) {
        length_ += last_->steps;
        if (++elements_ % kChainLength == 0) last_->flags |= EndsChain;
        if (!last_->next) break;
        last_ = last_->next;
    }
    last_->flags |= LastInBody;
}

}  // namespace vt
