#pragma once
// A word of the dictionary. A word defined from source runs its body; a built-in word is a
// subclass whose Execute is its native action (it pops its operands, the top first, and pushes
// its results). `next` links to the word created before this one.
#include <cstdint>
#include <string>

#include "script/ForthObject.h"

namespace vt {

class TDefinition : public TDefElement {
public:
    // Bits of `flags`.
    static constexpr std::uint8_t Immediate = 0x1;     // runs even while compiling
    static constexpr std::uint8_t CompileOnly = 0x2;   // refused in interpret state

    TDefinition() = default;
    ~TDefinition() override;  // destroys every element of the body

    // Runs the body; returns nullptr.
    TForthObject* Execute() override;

    bool IsImmediate() const noexcept { return (flags & Immediate) != 0; }
    bool IsCompileOnly() const noexcept { return (flags & CompileOnly) != 0; }

    // The body is the `target` inherited from TDefElement: its first element, or nullptr.
    TForthObject* body() const noexcept { return target; }
    // Takes ownership of `element` (and of any elements already linked after it) and links it
    // after the last element of the body.
    void AppendToBody(TForthObject* element) noexcept;
    // Elements in the body, as compiled (an element standing for two counts two).
    std::int32_t length() const noexcept { return length_; }

    // The element that refers to this word from a compiled body: a TDefElement whose target
    // is this word (built-in words hand out one that reaches their action directly).
    TDefElement* NewReference() { return referenceFactory ? referenceFactory(this) : new TDefElement(this); }
    TDefElement* (*referenceFactory)(TDefinition* word) = nullptr;
    // A built-in word of two operands may offer its common case with the top operand given
    // rather than on the stack: the compiler then makes a literal followed by a reference to the
    // word one element, with the loop index word I before them when `index` is I (see
    // TLiteralOperation); null when the word offers none.
    TDefElement* NewLiteralOperation(Value literal, TDefinition* index = nullptr) {
        return literalOperationFactory ? literalOperationFactory(this, std::move(literal), index) : nullptr;
    }
    TDefElement* (*literalOperationFactory)(TDefinition* word, Value literal, TDefinition* index) = nullptr;

    // The last element of the body, or nullptr.
    TForthObject* lastElement() const noexcept { return target ? last_ : nullptr; }

    // The word created just before this one (the dictionary chain).
    TDefinition* previous() const noexcept { return static_cast<TDefinition*>(next); }

    std::string name;

private:
    // Last element of the body, so that compiling a long word does not walk it each time.
    TForthObject* last_ = nullptr;
    std::int32_t length_ = 0;
    std::int32_t elements_ = 0;   // chains end every kChainLength of them
};

}  // namespace vt
