#pragma once
// A script engine: a dictionary that starts with the core words, VARIABLE and CONSTANT, the
// data and return stacks and the cell memory. Whoever runs scripts makes one of its own (the
// module one per theme load, tools and tests theirs) and adds the words it offers (the drawing
// words) with AddWord. One thread at a time uses an engine (in the module, whichever holds the
// theme lock: every run and every load happens under it); engines on different threads share
// nothing and run at the same time.
#include <cstdint>
#include <string>
#include <utility>

#include "script/Engine.h"
#include "script/EngineState.h"
#include "script/ValueStack.h"

namespace vt {

class TDefinition;

class ScriptEngine {
public:
    ScriptEngine();
    ~ScriptEngine();   // destroys every word and empties both stacks
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    void Interpret(const std::string& text);          // one line; throws ScriptError on the first problem
    TDefinition* FindWord(const std::string& name);   // newest word of exactly that name, or nullptr
    void ExecuteWord(TDefinition* word);              // runs a word (event words); throws ScriptError
    void ClearStacks();

    // The step budget of later top-level runs (kStepBudget unless changed; tests and benchmarks
    // change it).
    void SetStepBudget(std::int64_t steps) { state_.stepBudget = steps; }
    std::int64_t StepBudget() const { return state_.stepBudget; }
    // Elements every top-level run so far executed together (a run stopped by its budget counts
    // its whole budget).
    std::int64_t StepsSpent() const { return state_.stepsSpent; }

    // Read-only views of the stacks (index 0 is the bottom).
    const ValueStack& DataStack() const { return state_.dataStack; }
    const ValueStack& ReturnStack() const { return state_.returnStack; }

    // Adds a built-in word of class TWord, made from `args`, as the newest word.
    template <class TWord, class... Args>
    TWord* AddWord(const std::string& name, std::uint8_t flags = 0, Args&&... args) {
        detail::UseEngine use(state_);
        return RegisterWord<TWord>(name, flags, std::forward<Args>(args)...);
    }

    // Makes the engine the running one for a scope, so that the functions words use (Engine.h)
    // act on it from outside a run: for hosts that link words of their own, and tests that look
    // inside.
    class Running {
    public:
        explicit Running(ScriptEngine& engine) noexcept : use_(engine.state_) {}

    private:
        detail::UseEngine use_;
    };

private:
    detail::EngineState state_;
};

}  // namespace vt
