#include "script/Compiler.h"

#include <cstring>

#include "common/Notice.h"
#include "script/Branches.h"
#include "script/ControlWords.h"
#include "script/Definition.h"
#include "script/Engine.h"

namespace vt {
namespace {

const char* const kCompileOnlyMessage = "Attempt to execute a compile only\r word in interpret mode!";

}  // namespace

void TCompiler::Error(const std::string& message) {
    KeepHeld();
    input.clear();
    position = 0;
    state = CompilerState::Interpreting;
    pendingBranches.clear();
    engine().errorFlag = true;
    throw ScriptError(message);
}

void TCompiler::Warn(const std::string& message) { ShowNotice("T-Forth", message, kNoticeWarning); }

void TCompiler::Interpret(const std::string& text) {
    input = text;
    position = 0;
    engine().errorFlag = false;
    try {
        while (position < input.size()) {
            std::string next = NextToken();
            if (next.empty()) continue;
            token = std::move(next);
            InterpretToken();
        }
    } catch (...) {
        // Value errors bypass Error; the line is over for them too, so that a later CREATE
        // outside Interpret finds no leftover name.
        KeepHeld();
        input.clear();
        position = 0;
        throw;
    }
}

std::string TCompiler::NextToken() {
    std::size_t start = position < input.size() ? input.find_first_not_of(' ', position) : std::string::npos;
    if (start == std::string::npos) {
        input.clear();
        position = 0;
        return std::string();
    }
    std::size_t end = input.find(' ', start);
    if (end == std::string::npos) end = input.size();
    position = end;
    return input.substr(start, end - start);
}

std::string_view TCompiler::Rest() const noexcept {
    return position < input.size() ? std::string_view(input).substr(position) : std::string_view();
}

void TCompiler::CreateWord(const std::string& name) {
    if (detail::FindWordIn(engine(), name)) Warn(name + " is beging redefined!");
    RegisterWord<TDefinition>(name, 0);
}

void TCompiler::InterpretToken() {
    if (state == CompilerState::AwaitingName) {
        CreateWord(token);
        state = CompilerState::Compiling;
        return;
    }
    TDefinition* word = detail::FindWordIn(engine(), token);
    if (word) {
        if (word->IsImmediate()) {
            CompileHeld();   // what the word compiles or resolves comes after it
            if (word->IsCompileOnly() && state == CompilerState::Interpreting) Error(kCompileOnlyMessage);
        } else if (state == CompilerState::Compiling) {
            CompileReference(word);
            return;
        } else if (word->IsCompileOnly()) {
            Error(kCompileOnlyMessage);
        }
        detail::RunTopLevel(word);
        return;
    }

    for (char& c : token) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    Value literal = token == "\"" ? TakeStringLiteral() : ConvertNumber();
    if (state == CompilerState::Compiling) {
        if (heldLiteral_) CompileHeld();   // an I held alone waits on with the new literal
        heldLiteral_ = std::make_unique<TLiteral>(std::move(literal));
    } else {
        Push(std::move(literal));
    }
}

void TCompiler::CompileReference(TDefinition* word) {
    if (heldLiteral_) {
        if (TDefElement* operation = word->NewLiteralOperation(heldLiteral_->value, heldIndex_)) {
            heldLiteral_.reset();
            heldIndex_ = nullptr;
            detail::AppendTo(engine(), operation);
            return;
        }
    }
    CompileHeld();
    if (dynamic_cast<TI*>(word)) {
        heldIndex_ = word;
        return;
    }
    detail::AppendTo(engine(), word->NewReference());
}

void TCompiler::CompileHeld() {
    if (TDefinition* index = heldIndex_) {
        heldIndex_ = nullptr;
        detail::AppendTo(engine(), index->NewReference());
    }
    if (heldLiteral_) detail::AppendTo(engine(), heldLiteral_.release());
}

void TCompiler::KeepHeld() noexcept {
    try {
        CompileHeld();
    } catch (...) {
        // No word to compile into: the literal goes with the line.
    }
}

Value TCompiler::TakeStringLiteral() {
    if (position < input.size()) ++position;   // the space that ended the quote token
    std::size_t close = position < input.size() ? input.find('"', position) : std::string::npos;
    std::size_t stop = close == std::string::npos ? input.size() : close;
    Value text = Value::FromString(input.substr(position, stop - position));
    position = close == std::string::npos ? input.size() : close + 1;
    return text;
}

Value TCompiler::ConvertNumber() {
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && token[i] == '-') {
        negative = true;
        ++i;
    }
    if (i < token.size() && token[i] == '$') {
        base = 16;
        ++i;
    } else {
        base = 10;
    }
    // Value arithmetic, so that a number past the 32-bit range becomes a Real.
    Value number = Value::FromInt(0);
    const Value radix = Value::FromInt(base);
    for (; i < token.size(); ++i) {
        const void* found = std::memchr(kDigits, token[i], 36);
        int digit = found ? int(static_cast<const char*>(found) - kDigits) : -1;
        if (digit < 0 || digit >= base) Error("Unknown WORD " + token);
        number = Add(Multiply(number, radix), Value::FromInt(digit));
    }
    return negative ? Negate(number) : number;
}

}  // namespace vt
