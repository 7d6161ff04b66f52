#include "script/Engine.h"
#include "script/StackFastPaths.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "script/Branches.h"
#include "script/Compiler.h"
#include "script/CoreWords.h"
#include "script/Definition.h"
#include "script/Forth.h"

namespace vt {

namespace detail {

thread_local EngineState* running = nullptr;

void StackOverflow() { Error("Stack overflow!"); }
void ReturnStackOverflow() { Error("Return stack overflow!"); }

Value PopFromEmptyStack() {
    if (!Running().errorFlag) Error("Stack underflow!");
    return Value();
}

Value PopAny() { return Pop(); }

void ReturnStackUnderflow() { Error("Return stack underflow!"); }

void StepBudgetExceeded() {
    Error("The word ran too long: more than " + std::to_string(Running().stepBudget) +
          " steps without finishing!");
}

void NestingTooDeep() {
    Error("Words nested too deeply: more than " + std::to_string(kMaxNesting) + " words inside one another!");
}

void RunTopLevel(TDefinition* word) {
    RunScope run(word->engine());
    word->Execute();
}

RunScope::RunScope(EngineState& engine) noexcept
    : engine_(engine),
      nested_(engine_.activeRuns > 0),
      savedDepth_(engine_.depth),
      markerMark_(engine_.takenMarkers.size()),
      uncaught_(std::uncaught_exceptions()) {
    ++engine_.activeRuns;
    if (!nested_) {
        engine_.stepsLeft = engine_.stepBudget;
        engine_.depth = 0;
        engine_.errorFlag = false;
        savedDepth_ = 0;
    }
}

RunScope::~RunScope() {
    --engine_.activeRuns;
    if (!nested_) engine_.stepsSpent += engine_.stepBudget - std::max<std::int64_t>(engine_.stepsLeft, 0);
    engine_.depth = savedDepth_;
    if (nested_) engine_.errorFlag = false;
    if (std::uncaught_exceptions() > uncaught_) {
        std::vector<TMarker*>& taken = engine_.takenMarkers;
        for (std::size_t i = markerMark_; i < taken.size(); ++i) taken[i]->limitTaken = false;
        if (taken.size() > markerMark_) taken.resize(markerMark_);
    }
}

}  // namespace detail

using detail::Running;

namespace {

[[noreturn]] void NotRunning() { throw ScriptError("The script engine is not running!"); }

}  // namespace

namespace detail {

TDefinition* FindWordIn(EngineState& e, const std::string& name) {
    for (TDefinition* word = e.latest; word; word = word->previous()) {
        if (word->name == name) return word;
    }
    return nullptr;
}

void AppendTo(EngineState& e, TForthObject* element) {
    std::unique_ptr<TForthObject> owned(element);
    if (!e.latest) Error("There is no word to compile into!");
    e.latest->AppendToBody(owned.release());
    if (e.compiler) {
        for (TBranch* branch : e.compiler->pendingBranches) branch->target = element;
        e.compiler->pendingBranches.clear();
    }
}

}  // namespace detail

TDefinition* FindWord(const std::string& name) { return detail::FindWordIn(Running(), name); }

TForth* Forth() { return Running().forth; }
TCompiler* Compiler() { return Running().compiler; }
TDefinition* Latest() { return Running().latest; }

// Value conversions may fail outside any engine (a host converting a value of its own): then
// there is no line to abandon and no notice to show.
void Error(const std::string& message) {
    if (detail::EngineState* e = detail::running) {
        if (e->compiler) e->compiler->Error(message);
        e->errorFlag = true;
    }
    throw ScriptError(message);
}

void Warn(const std::string& message) {
    detail::EngineState* e = detail::running;
    if (e && e->compiler) e->compiler->Warn(message);
}

void LinkWord(TDefinition* word, const std::string& name, std::uint8_t flags) {
    std::unique_ptr<TDefinition> owned(word);
    detail::EngineState* e = detail::running;
    if (!e) NotRunning();
    owned->flags = flags;
    owned->name = name;
    owned->next = e->latest;
    e->latest = owned.release();
}

void Append(TForthObject* element) { detail::AppendTo(Running(), element); }

}  // namespace vt
