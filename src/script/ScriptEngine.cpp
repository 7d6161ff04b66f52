#include "script/ScriptEngine.h"

#include "script/Compiler.h"
#include "script/CoreWords.h"
#include "script/Forth.h"

namespace vt {

ScriptEngine::ScriptEngine() {
    detail::UseEngine use(state_);
    new TForth();   // becomes state_.forth
    state_.compiler = new TCompiler();
    RegisterCoreWords();
    state_.compiler->state = CompilerState::Interpreting;
    Interpret(": VARIABLE CREATE HERE >R 1 ALLOT R> DOES (LIT) ; IMMEDIATE");
    Interpret(": CONSTANT CREATE DOES (LIT) ; IMMEDIATE");
}

ScriptEngine::~ScriptEngine() {
    detail::UseEngine use(state_);
    delete state_.forth;   // empties both stacks, destroys every word
    delete state_.compiler;
}

void ScriptEngine::Interpret(const std::string& text) {
    detail::UseEngine use(state_);
    state_.compiler->Interpret(text);
}

TDefinition* ScriptEngine::FindWord(const std::string& name) {
    detail::UseEngine use(state_);
    return vt::FindWord(name);
}

void ScriptEngine::ExecuteWord(TDefinition* word) {
    if (!word) return;
    detail::UseEngine use(state_);
    detail::RunTopLevel(word);
}

void ScriptEngine::ClearStacks() {
    state_.dataStack.Clear();
    state_.returnStack.Clear();
}

}  // namespace vt
