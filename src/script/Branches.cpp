#include "script/Branches.h"

#include <algorithm>
#include <limits>

#include "script/Engine.h"
#include "script/StackFastPaths.h"

namespace vt {
namespace {

// The loop of `marker` has ended: it no longer needs resetting after an error.
void ForgetRunningLoop(TMarker* marker) {
    std::vector<TMarker*>& taken = marker->engine().takenMarkers;
    auto found = std::find(taken.rbegin(), taken.rend(), marker);
    if (found != taken.rend()) taken.erase(std::next(found).base());
}

VT_NOINLINE void TakeLimit(TMarker* marker) {
    marker->limit = Pop().ToInteger();
    marker->limitTaken = true;
    marker->engine().takenMarkers.push_back(marker);
}

// The general step of a DO loop (an index that is not a plain Integer, or the last step), on
// the data stack as it is; returns the element to run next.
TForthObject* StepLoop(TLoopBranch* branch) {
    TMarker* marker = branch->target;
    Value current = PopReturn();
    std::int32_t index = Add(current, Value::FromInt(1)).ToInteger();
    if (index == marker->limit) {
        marker->limitTaken = false;
        ForgetRunningLoop(marker);
        return branch->next;
    }
    PushReturn(Value::FromInt(index));
    detail::ChargeSteps(branch->engine(), branch->loopSteps);
    return marker->limitTaken ? marker->next : marker;
}

// Where a jump back to a BEGIN goes on: the marker has nothing to do, so the jump skips it.
inline TForthObject* AfterMarker(TMarker* marker) { return marker->next; }

VT_NOINLINE Flow StepLoopOnStack(TLoopBranch* branch, Value* top) {
    TForthObject* following = nullptr;
    detail::OnStoredStack(branch->engine(), top, [&] { following = StepLoop(branch); });
    return MakeFlow(following, top);
}

}  // namespace

// Only the way on is run as a chain: a jump may lead anywhere, even past a chain's end.
Flow TIfBranch::Step(Value* top) {
    if (detail::PopTruth(engine(), top)) return RunOn(top);
    return MakeFlow(target, top);
}

TForthObject* TToR::Execute() {
    PushReturn(Pop());
    return next;
}

TForthObject* TMarker::Execute() {
    if (isDo && !limitTaken) TakeLimit(this);
    return next;
}

Flow TLoopBranch::Step(Value* top) {
    // The index is updated where it lies (the cell below the bottom reads as Empty).
    Value& current = engine().returnStack.FromTop(0);
    if (current.IsInteger() && current.integer() != std::numeric_limits<std::int32_t>::max()) {
        std::int32_t index = current.integer() + 1;
        if (index != target->limit) {
            current.SetInteger(index);
            detail::ChargeSteps(engine(), loopSteps, top);
            // The marker has nothing to do while its limit is taken: skip it. (It has not
            // when the word re-entered itself and the inner run finished the loop.)
            return MakeFlow(target->limitTaken ? target->next : target, top);
        }
    }
    return StepLoopOnStack(this, top);
}

Flow TAGAINBranch::Step(Value* top) {
    detail::ChargeSteps(engine(), loopSteps, top);
    return MakeFlow(AfterMarker(target), top);
}

Flow TUNTILBranch::Step(Value* top) {
    if (detail::PopTruth(engine(), top)) return MakeFlow(next, top);
    detail::ChargeSteps(engine(), loopSteps, top);
    return MakeFlow(AfterMarker(target), top);
}

}  // namespace vt
