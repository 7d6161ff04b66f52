#pragma once
// A compiled reference to a built-in word that calls the word's own Execute without a second
// virtual dispatch: a TDefElement whose target is the word, like any reference, but whose
// Execute knows the target's class. The word's .cpp instantiates it (declared `extern
// template` in the word's header) so that the action is inlined into the reference.
#include "script/Definition.h"

namespace vt {

template <class TWord>
class TNativeReference final : public TDefElement {
public:
    explicit TNativeReference(TWord* word) : TDefElement(word) {}

    TForthObject* Execute() override {
        static_cast<TWord*>(target)->TWord::Execute();
        return next;
    }
};

template <class TWord>
TDefElement* NewNativeReference(TDefinition* word) {
    return new TNativeReference<TWord>(static_cast<TWord*>(word));
}

}  // namespace vt
