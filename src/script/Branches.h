#pragma once
// The elements that control words compile. Forward branches get their target when the next
// element is compiled; backward branches point at a marker placed at the start of the loop.
#include <cstdint>

#include "script/ForthObject.h"

namespace vt {

// Jumps to `target` (ELSE); a target of nullptr ends the word.
class TBranch : public TForthObject {
public:
    TForthObject* Execute() override { return target; }
    Flow Step(Value* top) override { return MakeFlow(target, top); }

    TForthObject* target = nullptr;
};

// ( flag -- ) Jumps to `target` when the flag is false (IF).
class TIfBranch : public TBranch {
public:
    TForthObject* Execute() override { return StepOnStack(); }
    Flow Step(Value* top) override;
};

// ( start -- ) R: ( -- start ) Parks a DO loop's start index on the return stack.
class TToR : public TForthObject {
public:
    TForthObject* Execute() override;
};

// The start of a loop. A DO marker takes the loop's limit from the data stack once per entry.
class TMarker : public TForthObject {
public:
    explicit TMarker(bool isDo_) : isDo(isDo_) {}
    TForthObject* Execute() override;

    std::int32_t limit = 0;
    bool limitTaken = false;
    bool isDo;
};

// R: ( index -- index+1 | ) End of a DO loop: leaves it when the next index equals the limit,
// otherwise goes back to the marker.
class TLoopBranch : public TForthObject {
public:
    explicit TLoopBranch(TMarker* target_) : target(target_) {}
    TForthObject* Execute() override { return StepOnStack(); }
    Flow Step(Value* top) override;

    TMarker* target;
    // What a jump back costs from the run's step budget: the elements from the marker to this
    // branch (set when the branch is compiled).
    std::int32_t loopSteps = 1;
};

// Always back to the BEGIN marker.
class TAGAINBranch : public TLoopBranch {
public:
    using TLoopBranch::TLoopBranch;
    Flow Step(Value* top) override;
};

// ( flag -- ) Back to the BEGIN marker while the flag is false.
class TUNTILBranch : public TLoopBranch {
public:
    using TLoopBranch::TLoopBranch;
    Flow Step(Value* top) override;
};

}  // namespace vt
