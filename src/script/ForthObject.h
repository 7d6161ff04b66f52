#pragma once
// The elements that compiled words are made of. A word's body is a singly linked list of
// elements; running it means calling Execute on an element and going on with whatever it
// returns, until nothing is returned.
#include <cstdint>

#include "script/Value.h"

namespace vt {

class TForthObject {
public:
    TForthObject() = default;
    TForthObject(const TForthObject&) = delete;
    TForthObject& operator=(const TForthObject&) = delete;
    virtual ~TForthObject() = default;

    // Does the element's work; returns the element to run next, or nullptr to end the word.
    virtual TForthObject* Execute() { return next; }

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
    TForthObject* RunOn() {
        if (!(flags & (EndsChain | LastInBody))) return next->Execute();
        return next;
    }

    std::uint8_t flags = 0;
    TForthObject* next = nullptr;
};

// Pushes a copy of its value.
class TLiteral : public TForthObject {
public:
    explicit TLiteral(Value v) : value(std::move(v)) {}
    TForthObject* Execute() override;

    // Pushes the value and goes on with the next element.
    TForthObject* PushValue();

    Value value;
    // Set when the next element is a reference to a built-in word that can take an Integer
    // literal as its top operand in place (its runWithLiteral, see RunWithLiteral): in the
    // common case the pair then runs in one go, with the same result as the push followed by
    // the word. (The step budget is paid per pass over the body, so it is charged as before.)
    TForthObject* (*runPair)(TLiteral* literal) = nullptr;
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
