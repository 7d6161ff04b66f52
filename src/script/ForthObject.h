#pragma once
// The elements that compiled words are made of. A word's body is a singly linked list of
// elements; running it means stepping an element (Step) and going on with whatever it returns,
// until nothing is returned.
#include <cstdint>
#include <utility>

#include "script/EngineState.h"
#include "script/Value.h"

namespace vt {

class TForthObject;

// Where a run goes on after a step: the element to run next (none: the word ends) and the data
// stack's top (ValueStack::TopPointer) as the step left it, the two pointers side by side in
// one integer of twice their width. Not a struct: GCC makes no tail call of a function that
// returns one, and the chain of steps (RunOn) is made of tail calls; an integer comes back in
// two registers just the same.
#if defined(__SIZEOF_INT128__) && UINTPTR_MAX > 0xFFFFFFFFu
using Flow = unsigned __int128;
#else
using Flow = std::uint64_t;
#endif
constexpr int kFlowHalf = int(8 * sizeof(void*));

inline Flow MakeFlow(TForthObject* next, Value* top) {
    return Flow(reinterpret_cast<std::uintptr_t>(next)) | (Flow(reinterpret_cast<std::uintptr_t>(top)) << kFlowHalf);
}
inline TForthObject* FlowNext(Flow flow) { return reinterpret_cast<TForthObject*>(std::uintptr_t(flow)); }
inline Value* FlowTop(Flow flow) { return reinterpret_cast<Value*>(std::uintptr_t(flow >> kFlowHalf)); }

class TForthObject {
public:
    TForthObject() = default;
    TForthObject(const TForthObject&) = delete;
    TForthObject& operator=(const TForthObject&) = delete;
    virtual ~TForthObject() = default;

    // Does the element's work; returns the element to run next, or nullptr to end the word.
    virtual TForthObject* Execute() { return next; }

    // The same inside a body's run, which keeps the data stack's top in a register from one
    // element to the next instead of storing it in the stack each time: `top` is the top, and
    // the stack's own is stale until the run hands it back. This default hands it back, runs
    // Execute and takes it again; the elements loops run most override it to work on `top`
    // in place (their shortcuts), handing it back before anything that may look at the stack
    // or fail.
    virtual Flow Step(Value* top);

    // Bits of `flags`: the element ends a chain (see RunOn); EndsChain is set on every
    // kChainLength-th element of a body, LastInBody on its last one.
    static constexpr std::uint8_t EndsChain = 0x80;
    static constexpr std::uint8_t LastInBody = 0x40;
    static constexpr std::int32_t kChainLength = 16;

    // Goes on with `next` once this element has done its work without calling a word: runs it
    // as a tail call, so that the run jumps from element to element, each jump with a branch
    // prediction of its own, rather than returning to the body's loop every time. Jumps return
    // there, and so does every kChainLength-th element of a body, so that a compiler that makes
    // no tail call of it still nests only a few calls; the last element returns its null `next`.
    Flow RunOn(Value* top) {
        if (!(flags & (EndsChain | LastInBody))) return next->Step(top);
        return MakeFlow(next, top);
    }

    std::uint8_t flags = 0;
    // What a pass over the element costs from the step budget: the compiled elements it stands
    // for (a literal and the word it is the operand of make one element of 2).
    std::uint8_t steps = 1;
    TForthObject* next = nullptr;

    // The engine the element was made in (the running one then), which is the one that runs it:
    // the hot paths reach its stacks through this rather than through the running engine,
    // which is the thread's own and slower to find.
    detail::EngineState& engine() const noexcept { return *engine_; }

protected:
    // Execute for an element that overrides Step: one step on the stack as it is.
    TForthObject* StepOnStack();

    // Engine.h's stack functions on the element's engine, for the words' actions.
    void Push(const Value& v) { detail::PushOn(*engine_, v); }
    void Push(Value&& v) { detail::PushOn(*engine_, std::move(v)); }
    Value Pop() { return detail::PopFrom(*engine_); }
    void PushReturn(const Value& v) { detail::PushReturnOn(*engine_, v); }
    void PushReturn(Value&& v) { detail::PushReturnOn(*engine_, std::move(v)); }
    Value PopReturn() { return detail::PopReturnFrom(*engine_); }

private:
    detail::EngineState* engine_ = detail::running;
};

// Pushes a copy of its value.
class TLiteral : public TForthObject {
public:
    explicit TLiteral(Value v) : value(std::move(v)) {}
    TForthObject* Execute() override { return StepOnStack(); }
    Flow Step(Value* top) override;

    Value value;
};

// A reference to another word compiled into a body: runs the word, then goes on with its own
// successor whatever the word returned. The target is referred to, never owned.
class TDefElement : public TForthObject {
public:
    explicit TDefElement(TForthObject* target_ = nullptr) : target(target_) {}
    TForthObject* Execute() override;

    TForthObject* target;
};

}  // namespace vt
