#pragma once
// A compiled reference to a built-in word that calls the word's own Execute without a second
// virtual dispatch: a TDefElement whose target is the word, like any reference, but whose
// Execute knows the target's class. The word's .cpp instantiates it (declared `extern
// template` in the word's header) so that the action is inlined into the reference.
//
// A word may also offer `static bool Fast()`: its common case (Integers on the stack) done in
// place, false when that case does not apply. The reference then tries it first and leaves the
// rest to the word's Execute, out of line, so that the common case needs no stack frame.
#include <type_traits>

#include "script/Definition.h"
#include "script/Inlining.h"

namespace vt {

template <class TWord, class = void>
struct HasFastPath : std::false_type {};
template <class TWord>
struct HasFastPath<TWord, std::void_t<decltype(TWord::Fast())>> : std::true_type {};

// A word may also offer `static bool FastWith(std::int32_t operand)`: its Fast case with the
// top operand given instead of on the stack (see TDefinition::fastWithOperand).
template <class TWord, class = void>
struct HasOperandFastPath : std::false_type {};
template <class TWord>
struct HasOperandFastPath<TWord, std::void_t<decltype(TWord::FastWith(0))>> : std::true_type {};

template <class TWord>
class TNativeReference final : public TDefElement {
public:
    explicit TNativeReference(TWord* word) : TDefElement(word) {}

    TForthObject* Execute() override {
        if constexpr (HasFastPath<TWord>::value) {
            if (TWord::Fast()) return RunOn();
            return RunWord(this);
        } else {
            static_cast<TWord*>(target)->TWord::Execute();
            return next;
        }
    }

    // A literal and a reference to TWord after it (a word with FastWith): TWord's common case
    // with the literal's value as its top operand, the run going on after the word; else the
    // value is pushed as usual. Instantiated with the word's actions, so that they inline.
    static TForthObject* RunWithLiteral(TLiteral* literal) {
        if constexpr (HasOperandFastPath<TWord>::value) {
            if (literal->value.IsInteger() && TWord::FastWith(literal->value.integer()))
                return literal->next->RunOn();   // the run goes on after the word
        }
        return literal->PushValue();
    }

private:
    static VT_NOINLINE TForthObject* RunWord(TNativeReference* self) {
        static_cast<TWord*>(self->target)->TWord::Execute();
        return self->next;
    }
};

template <class TWord>
TDefElement* NewNativeReference(TDefinition* word) {
    return new TNativeReference<TWord>(static_cast<TWord*>(word));
}

}  // namespace vt
