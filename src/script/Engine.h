#pragma once
// What words do to the engine that runs them (the running engine, EngineState.h): its stacks,
// its dictionary, its compiler and its errors. Only words and the compiler call these, always
// inside a call of ScriptEngine (ScriptEngine.h), which is what everything else uses.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "script/EngineState.h"
#include "script/Limits.h"
#include "script/NativeReference.h"
#include "script/Value.h"

namespace vt {

class TDefinition;
class TForthObject;
class TForth;
class TCompiler;

// Carries an engine error (compiler, word or value error) out of Interpret and word runs.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The newest word of exactly that name, or nullptr.
TDefinition* FindWord(const std::string& name);

// The running engine's parts.
TForth* Forth();
TCompiler* Compiler();
TDefinition* Latest();

// The compiler's Error: abandons the line and any definition, throws ScriptError(message).
[[noreturn]] void Error(const std::string& message);
// The compiler's Warn: a "T-Forth" warning notice; goes on.
void Warn(const std::string& message);

// Data stack. While the error flag is set, Push does nothing and Pop of an empty stack returns
// Empty; otherwise Pop of an empty stack fails with "Stack underflow!".
// (Elements and words have their own of these, on their engine: TForthObject.)
inline void Push(const Value& v) { detail::PushOn(detail::Running(), v); }
inline void Push(Value&& v) { detail::PushOn(detail::Running(), std::move(v)); }
inline Value Pop() { return detail::PopFrom(detail::Running()); }

// Return stack: always pushes; popping an empty one fails with "Return stack underflow!".
inline void PushReturn(const Value& v) { detail::PushReturnOn(detail::Running(), v); }
inline void PushReturn(Value&& v) { detail::PushReturnOn(detail::Running(), std::move(v)); }
inline Value PopReturn() { return detail::PopReturnFrom(detail::Running()); }

// Makes `word` the newest word of the dictionary, named `name` with `flags` (TDefinition's
// Immediate / CompileOnly bits). The engine owns it from then on.
void LinkWord(TDefinition* word, const std::string& name, std::uint8_t flags);

// Creates a word of class TWord (a TDefinition whose Execute is the native action) from `args`
// and links it: RegisterWord<TMyWord>("MYWORD", 0). No check for an existing name is made here.
template <class TWord, class... Args>
TWord* RegisterWord(const std::string& name, std::uint8_t flags = 0, Args&&... args) {
    TWord* word = new TWord(std::forward<Args>(args)...);
    if constexpr (!std::is_same_v<TWord, TDefinition>) word->referenceFactory = &NewNativeReference<TWord>;
    if constexpr (HasOperandFastPath<TWord>::value) word->literalOperationFactory = &NewLiteralOperation<TWord>;
    LinkWord(word, name, flags);
    return word;
}

// Adds `element` (taking ownership) at the end of the newest word's body; branches waiting
// for the next compiled element land on it.
void Append(TForthObject* element);

}  // namespace vt
