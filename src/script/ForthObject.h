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

    std::uint8_t flags = 0;
    TForthObject* next = nullptr;
};

// Pushes a copy of its value.
class TLiteral : public TForthObject {
public:
    explicit TLiteral(Value v) : value(std::move(v)) {}
    TForthObject* Execute() override;

    Value value;
    // Set when the next element is a reference to a built-in word that can take an Integer
    // literal as its top operand in place (its fastWithOperand): in the common case the pair
    // then runs in one go, with the same result as the push followed by the word. (The step
    // budget is paid per pass over the body, so it is charged as before.)
    bool (*nextWithOperand)(std::int32_t operand) = nullptr;
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
