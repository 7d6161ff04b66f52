#pragma once
// A compiled reference to a built-in word that calls the word's own Execute without a second
// virtual dispatch: a TDefElement whose target is the word, like any reference, but whose
// Execute knows the target's class. The word's .cpp instantiates it (declared `extern
// template` in the word's header) so that the action is inlined into the reference.
//
// A word may also offer `static bool Fast(detail::EngineState& e, Value*& top)`: its common
// case (Integers on the stack of `e`, the word's engine) done in place on the top a body's steps hold (see TForthObject::Step), false when that
// case does not apply. The reference then tries it first and leaves the rest to the word's
// Execute, out of line, so that the common case needs no stack frame.
#include <type_traits>
#include <utility>

#include "script/Definition.h"
#include "script/EngineState.h"
#include "script/Inlining.h"

namespace vt {

template <class TWord, class = void>
struct HasFastPath : std::false_type {};
template <class TWord>
struct HasFastPath<TWord, std::void_t<decltype(TWord::Fast(std::declval<detail::EngineState&>(), std::declval<Value*&>()))>>
    : std::true_type {};

// A word may also offer `static bool FastWith(detail::EngineState& e, Value* top, std::int32_t
// operand)`: its Fast
// case with the top operand given instead of on the stack (see TLiteralOperation).
template <class TWord, class = void>
struct HasOperandFastPath : std::false_type {};
template <class TWord>
struct HasOperandFastPath<TWord, std::void_t<decltype(TWord::FastWith(std::declval<detail::EngineState&>(), std::declval<Value*>(), 0))>>
    : std::true_type {};

template <class TWord>
class TNativeReference final : public TDefElement {
public:
    explicit TNativeReference(TWord* word) : TDefElement(word) {}

    TForthObject* Execute() override { return StepOnStack(); }

    Flow Step(Value* top) override {
        if constexpr (HasFastPath<TWord>::value) {
            if (TWord::Fast(this->engine(), top)) return RunOn(top);
        }
        return RunWord(this, top);
    }

private:
    // The word's own action, on the stack as it is.
    static VT_NOINLINE Flow RunWord(TNativeReference* self, Value* top) {
        detail::OnStoredStack(self->engine(), top, [self] { static_cast<TWord*>(self->target)->TWord::Execute(); });
        return MakeFlow(self->next, top);
    }
};

template <class TWord>
TDefElement* NewNativeReference(TDefinition* word) {
    return new TNativeReference<TWord>(static_cast<TWord*>(word));
}

// A literal and a reference to TWord after it, compiled as one element (TWord offers
// FastWith): TWord's common case with the literal's value as its top operand, in place; else
// the value is pushed and the word run, as the two elements would. With `index` (the word I),
// the three elements I, literal and word: the loop index is pushed first, the loop's usual
// arithmetic on it. It counts as all of them in the step budget.
template <class TWord>
class TLiteralOperation final : public TDefElement {
public:
    TLiteralOperation(TWord* word, Value literal, TDefinition* index_)
        : TDefElement(word), value(std::move(literal)), index(index_) {
        steps = index ? 3 : 2;
    }

    TForthObject* Execute() override { return StepOnStack(); }

    Flow Step(Value* top) override {
        if (index && !detail::PushLoopIndex(this->engine(), top)) return RunOnStack(this, top, true);
        if (value.IsInteger() && TWord::FastWith(this->engine(), top, value.integer())) return RunOn(top);
        return RunOnStack(this, top, false);
    }

    Value value;
    TDefinition* index;   // I, when the element pushes the loop index first

private:
    // The elements' own actions, on the stack as it is: I (when its push is still to come), the
    // literal's push and the word.
    static VT_NOINLINE Flow RunOnStack(TLiteralOperation* self, Value* top, bool indexToPush) {
        detail::OnStoredStack(self->engine(), top, [self, indexToPush] {
            if (indexToPush) self->index->Execute();
            // The error flag is clear inside a run: a push only needs room.
            if (!self->engine().dataStack.Push(self->value)) detail::StackOverflow();
            static_cast<TWord*>(self->target)->TWord::Execute();
        });
        return MakeFlow(self->next, top);
    }
};

template <class TWord>
TDefElement* NewLiteralOperation(TDefinition* word, Value literal, TDefinition* index) {
    return new TLiteralOperation<TWord>(static_cast<TWord*>(word), std::move(literal), index);
}

}  // namespace vt
