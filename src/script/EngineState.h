#pragma once
// One engine's state, kept in one record so that the hot paths (Push, Pop, running a body) reach
// it without a call; everything else goes through the functions of Engine.h. A ScriptEngine owns
// one; while a call from outside runs words on it, it is the running engine of Engine.h.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "script/Limits.h"
#include "script/ValueStack.h"

namespace vt {

class TForth;
class TCompiler;
class TDefinition;
class TMarker;
class TForthObject;

namespace detail {

struct EngineState {
    TForth* forth = nullptr;
    TCompiler* compiler = nullptr;
    ValueStack dataStack{kMaxStackDepth};
    ValueStack returnStack{kMaxStackDepth};   // also the control-flow stack while compiling
    TDefinition* latest = nullptr;
    bool errorFlag = false;       // set only by Error, which throws at once

    // Bounds of the current top-level run (see RunScope).
    int depth = 0;                // word runs nested inside one another
    std::int64_t stepsLeft = 0;   // elements the run may still execute (see ChargeSteps)
    std::int64_t stepBudget = kStepBudget; // what each top-level run starts with
    std::int64_t stepsSpent = 0;  // elements all finished top-level runs executed together
    int activeRuns = 0;
    std::vector<TMarker*> takenMarkers;   // DO loops running now

    // What the engine's Strings hold together (Value.h), shared with each String it made so
    // that one outliving the engine (a copy a host kept) still has a count to give back to.
    std::shared_ptr<StringBudget> strings = std::make_shared<StringBudget>();
    std::uint32_t randomSeed = 0;   // RAND's generator: each engine draws the same sequence from its start
};

// The engine whose words run now on this thread: set by UseEngine for the length of a call from
// outside (ScriptEngine's), none otherwise. Words reach their engine through it rather than
// through an argument of every Execute, which keeps the elements' calls as cheap as a plain
// virtual call. Each thread has its own, so that engines on different threads run at the same
// time without meeting; one engine is still used by one thread at a time.
extern thread_local EngineState* running;

inline EngineState& Running() noexcept { return *running; }

// Makes `state` the running engine for one scope and restores the one before (an event word of
// one engine may run from inside a drawing word of another, through a window message).
class UseEngine {
public:
    explicit UseEngine(EngineState& state) noexcept : saved_(running) { running = &state; }
    ~UseEngine() { running = saved_; }
    UseEngine(const UseEngine&) = delete;
    UseEngine& operator=(const UseEngine&) = delete;

private:
    EngineState* saved_;
};

[[noreturn]] void StackOverflow();
[[noreturn]] void ReturnStackOverflow();
Value PopFromEmptyStack();        // "Stack underflow!", or Empty while the error flag is set
[[noreturn]] void ReturnStackUnderflow();
[[noreturn]] void StepBudgetExceeded();
[[noreturn]] void NestingTooDeep();
void RunTopLevel(TDefinition* word);   // runs `word` inside a RunScope
// FindWord and Append of Engine.h on `e`.
TDefinition* FindWordIn(EngineState& e, const std::string& name);
void AppendTo(EngineState& e, TForthObject* element);

// The stacks of `e` as Push, Pop, PushReturn and PopReturn of Engine.h use them.
inline void PushOn(EngineState& e, const Value& v) {
    if (e.errorFlag) return;
    if (!e.dataStack.Push(v)) StackOverflow();
}

inline void PushOn(EngineState& e, Value&& v) {
    if (e.errorFlag) return;
    if (!e.dataStack.Push(std::move(v))) StackOverflow();
}

inline Value PopFrom(EngineState& e) {
    if (e.dataStack.Empty()) return PopFromEmptyStack();
    return e.dataStack.Pop();
}

inline void PushReturnOn(EngineState& e, const Value& v) {
    if (!e.returnStack.Push(v)) ReturnStackOverflow();
}

inline void PushReturnOn(EngineState& e, Value&& v) {
    if (!e.returnStack.Push(std::move(v))) ReturnStackOverflow();
}

inline Value PopReturnFrom(EngineState& e) {
    if (e.returnStack.Empty()) ReturnStackUnderflow();
    return e.returnStack.Pop();
}

// Takes `steps` elements from the run's budget. The budget is paid per pass over a body and
// per jump back of a loop (its elements), not per element: an upper bound on the elements
// run, at a fraction of the cost.
inline void ChargeSteps(EngineState& e, std::int64_t steps) {
    if ((e.stepsLeft -= steps) < 0) StepBudgetExceeded();
}

// ChargeSteps inside a body's steps, which keep the data stack's top in `top`: the stack gets
// it before the error.
inline void ChargeSteps(EngineState& e, std::int64_t steps, Value* top) {
    if ((e.stepsLeft -= steps) < 0) {
        e.dataStack.SetTopPointer(top);
        StepBudgetExceeded();
    }
}

// Runs `work` on the data stack as it is, for a step that holds the stack's top in `top` (see
// TForthObject::Step): the stack gets the top first, and `top` takes it back after.
template <class Work>
inline void OnStoredStack(EngineState& e, Value*& top, Work work) {
    ValueStack& stack = e.dataStack;
    stack.SetTopPointer(top);
    work();
    top = stack.TopPointer();
}

// ( -- index ) I's common case on the top a body's steps hold: pushes a copy of the innermost
// loop's index when it is an Integer and the stack has room (false otherwise: nothing done).
inline bool PushLoopIndex(EngineState& e, Value*& top) {
    const Value& index = e.returnStack.FromTop(0);   // Empty below the bottom
    if (!index.IsInteger() || !e.dataStack.HasRoomAt(top)) return false;
    new (top) Value(Value::PlainCopy(), index);
    ++top;
    return true;
}

// Charges the work of moving or reading `bytes` string bytes to the current run (work outside
// any run, such as compiling a literal or a host's own conversion, is bounded otherwise).
inline void ChargeBytes(std::size_t bytes) {
    EngineState* e = running;
    if (e && e->activeRuns > 0 && (e->stepsLeft -= std::int64_t(bytes / kBytesPerStep)) < 0) StepBudgetExceeded();
}

// Brackets one run of a word from outside the engine (a token of Interpret, ExecuteWord).
// The outermost run gets a fresh step budget; a run nested in another one (an event word run
// from inside a drawing word's window message) shares the budget and the nesting depth of the
// outer one, since it also shares its thread's stack. When a run leaves through an error, the
// DO loops it left running are reset, so that the word runs normally the next time.
//
// The error flag is clear while any run goes on: the outermost run starts with it clear, Error
// sets it only as it throws, and a nested run that ends (its error handled by the host code
// that started it, which then returns into the outer run) leaves it clear again. The elements'
// in-place shortcuts rely on that.
class RunScope {
public:
    explicit RunScope(EngineState& engine) noexcept;
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    EngineState& engine_;
    bool nested_;
    int savedDepth_;
    std::size_t markerMark_;
    int uncaught_;
};

}  // namespace detail
}  // namespace vt
