#include "script/Branches.h"

#include <algorithm>
#include <limits>

#include "script/Engine.h"

namespace vt {
namespace {

// The loop of `marker` has ended: it no longer needs resetting after an error.
void ForgetRunningLoop(TMarker* marker) {
    std::vector<TMarker*>& taken = detail::engine.takenMarkers;
    auto found = std::find(taken.rbegin(), taken.rend(), marker);
    if (found != taken.rend()) taken.erase(std::next(found).base());
}

}  // namespace

TForthObject* TIfBranch::Execute() { return Pop().IsTrue() ? next : target; }

TForthObject* TToR::Execute() {
    PushReturn(Pop());
    return next;
}

TForthObject* TMarker::Execute() {
    if (isDo && !limitTaken) {
        limit = Pop().ToInteger();
        limitTaken = true;
        detail::engine.takenMarkers.push_back(this);
    }
    return next;
}

TForthObject* TLoopBranch::Execute() {
    Value current = PopReturn();
    std::int32_t index;
    if (current.IsInteger() && current.integer() != std::numeric_limits<std::int32_t>::max()) {
        index = current.integer() + 1;
    } else {
        index = Add(current, Value::FromInt(1)).ToInteger();
    }
    if (index == target->limit) {
        target->limitTaken = false;
        ForgetRunningLoop(target);
        return next;
    }
    PushReturn(Value::FromInt(index));
    return target;
}

TForthObject* TUNTILBranch::Execute() { return Pop().IsTrue() ? next : target; }

}  // namespace vt
