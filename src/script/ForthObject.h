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
