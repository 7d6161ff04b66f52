#pragma once
// The outer interpreter: splits a line into tokens and runs them (interpret state) or compiles
// them into the newest word (compile state). Its state lasts between lines, so a definition may
// run over several. All engine errors leave through Error.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/ForthObject.h"

namespace vt {

class TBranch;
class TDefinition;

enum class CompilerState : std::uint8_t {
    Interpreting = 0,   // tokens are run
    AwaitingName = 1,   // the next token names a new colon definition
    Compiling = 2,      // tokens are compiled into the body of the newest word
};

class TCompiler : public TForthObject {
public:
    // Drops the rest of the line, abandons a definition being compiled (it stays in the
    // dictionary as compiled so far), sets the error flag and throws ScriptError(message).
    [[noreturn]] virtual void Error(const std::string& message);
    // Shows a warning box captioned "T-Forth" and goes on.
    virtual void Warn(const std::string& message);

    // Handles one line of source.
    void Interpret(const std::string& text);
    // The next space-separated token of the rest of `input`; empty when only spaces are left.
    // Reading moves `position` forward and never edits `input`, so a line of any length is
    // read in time proportional to its length.
    std::string NextToken();
    // What is left of the line to read.
    std::string_view Rest() const noexcept;
    // Makes `name` the newest word, empty, with a warning first when the name is taken (the
    // older word stays, hidden from later look-ups).
    void CreateWord(const std::string& name);

    CompilerState state = CompilerState::Interpreting;
    std::string token;
    std::string input;
    std::size_t position = 0;   // where the rest of `input` starts
    std::uint8_t base = 10;
    std::vector<TBranch*> pendingBranches;   // to land on the next element compiled

private:
    void InterpretToken();
    // Compiles a reference to `word`, as one element with a literal held just before it (and
    // the I before that) when the word takes that operand in place.
    void CompileReference(TDefinition* word);
    // Appends what is held, in order (before anything else is compiled or runs).
    void CompileHeld();
    // The same where an error ends the line: the definition keeps what was compiled so far.
    void KeepHeld() noexcept;

    // The literal compiled last, and the loop index word I compiled just before it (or last),
    // held back until the next tokens show whether they are the operands of a word that takes
    // one in place: `I 3 AND` then runs as one element.
    std::unique_ptr<TLiteral> heldLiteral_;
    TDefinition* heldIndex_ = nullptr;
    Value TakeStringLiteral();
    Value ConvertNumber();
};

}  // namespace vt
