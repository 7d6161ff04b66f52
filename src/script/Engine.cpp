#include "script/Engine.h"
#include "script/StackFastPaths.h"

#include <exception>
#include <memory>

#include "script/Branches.h"
#include "script/Compiler.h"
#include "script/CoreWords.h"
#include "script/Definition.h"
#include "script/Forth.h"

namespace vt {

namespace detail {

EngineState engine;

void StackOverflow() { Error("Stack overflow!"); }
void ReturnStackOverflow() { Error("Return stack overflow!"); }

Value PopFromEmptyStack() {
    if (!engine.errorFlag) Error("Stack underflow!");
    return Value();
}

Value PopAny() { return Pop(); }

void ReturnStackUnderflow() { Error("Return stack underflow!"); }

void StepBudgetExceeded() {
    Error("The word ran too long: more than " + std::to_string(engine.stepBudget) +
          " steps without finishing!");
}

void NestingTooDeep() {
    Error("Words nested too deeply: more than " + std::to_string(kMaxNesting) + " words inside one another!");
}

void RunTopLevel(TDefinition* word) {
    RunScope run;
    word->Execute();
}

RunScope::RunScope() noexcept
    : savedDepth_(engine.depth), markerMark_(engine.takenMarkers.size()), uncaught_(std::uncaught_exceptions()) {
    if (engine.activeRuns++ == 0) {
        engine.stepsLeft = engine.stepBudget;
        engine.depth = 0;
        savedDepth_ = 0;
    }
}

RunScope::~RunScope() {
    --engine.activeRuns;
    engine.depth = savedDepth_;
    if (std::uncaught_exceptions() > uncaught_) {
        std::vector<TMarker*>& taken = engine.takenMarkers;
        for (std::size_t i = markerMark_; i < taken.size(); ++i) taken[i]->limitTaken = false;
        if (taken.size() > markerMark_) taken.resize(markerMark_);
    }
}

}  // namespace detail

using detail::engine;

namespace {

[[noreturn]] void NotRunning() { throw ScriptError("The script engine is not running!"); }

// A literal followed by a reference to a built-in word that takes an Integer operand in place
// runs the pair in one go (see TLiteral). Only a reference qualifies: a word compiled as an
// element itself would end the body after its action.
void PairWithLiteral(TForthObject* previous, TForthObject* element) {
    auto* literal = dynamic_cast<TLiteral*>(previous);
    auto* reference = dynamic_cast<TDefElement*>(element);
    if (!literal || !reference || dynamic_cast<TDefinition*>(element)) return;
    auto* word = dynamic_cast<TDefinition*>(reference->target);
    if (word) literal->runPair = word->runWithLiteral;
}

}  // namespace

void StartEngine() {
    StopEngine();
    engine.errorFlag = false;
    new TForth();   // becomes engine.forth
    engine.compiler = new TCompiler();
    RegisterCoreWords();
    engine.compiler->state = CompilerState::Interpreting;
    Interpret(": VARIABLE CREATE HERE >R 1 ALLOT R> DOES (LIT) ; IMMEDIATE");
    Interpret(": CONSTANT CREATE DOES (LIT) ; IMMEDIATE");
}

void StopEngine() {
    delete engine.forth;   // empties both stacks, destroys every word
    engine.forth = nullptr;
    delete engine.compiler;
    engine.compiler = nullptr;
    engine.dataStack.ClearAndShrink();
    engine.returnStack.ClearAndShrink();
    engine.latest = nullptr;
    engine.takenMarkers.clear();
}

bool EngineRunning() { return engine.forth != nullptr; }

void Interpret(const std::string& text) {
    if (!engine.compiler) NotRunning();
    engine.compiler->Interpret(text);
}

TDefinition* FindWord(const std::string& name) {
    for (TDefinition* word = engine.latest; word; word = word->previous()) {
        if (word->name == name) return word;
    }
    return nullptr;
}

void ExecuteWord(TDefinition* word) {
    if (word) detail::RunTopLevel(word);
}

void ClearStacks() {
    engine.dataStack.Clear();
    engine.returnStack.Clear();
}

void SetStepBudget(std::int64_t steps) { engine.stepBudget = steps; }
std::int64_t StepBudget() { return engine.stepBudget; }

TForth* Forth() { return engine.forth; }
TCompiler* Compiler() { return engine.compiler; }
TDefinition* Latest() { return engine.latest; }

void Error(const std::string& message) {
    if (engine.compiler) engine.compiler->Error(message);
    engine.errorFlag = true;
    throw ScriptError(message);
}

void Warn(const std::string& message) {
    if (engine.compiler) engine.compiler->Warn(message);
}

const ValueStack& DataStack() { return engine.dataStack; }
const ValueStack& ReturnStack() { return engine.returnStack; }

void LinkWord(TDefinition* word, const std::string& name, std::uint8_t flags) {
    std::unique_ptr<TDefinition> owned(word);
    if (!engine.forth) NotRunning();
    owned->flags = flags;
    owned->name = name;
    owned->next = engine.latest;
    engine.latest = owned.release();
}

void Append(TForthObject* element) {
    std::unique_ptr<TForthObject> owned(element);
    if (!engine.latest) Error("There is no word to compile into!");
    TForthObject* previous = engine.latest->lastElement();
    engine.latest->AppendToBody(owned.release());
    if (previous && previous->next == element) PairWithLiteral(previous, element);
    if (engine.compiler) {
        for (TBranch* branch : engine.compiler->pendingBranches) branch->target = element;
        engine.compiler->pendingBranches.clear();
    }
}

}  // namespace vt
