#pragma once
// A fresh engine per test, running for the test's own calls (Push, Forth(), RegisterWord),
// notices and beeps captured instead of shown, and a runner that reports a program's outcome in
// the console tool's words: "ok" and the stack, or "error: " and the message of the first line
// that failed.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/Notice.h"
#include "script/Engine.h"
#include "script/ScriptEngine.h"
#include "script/ValueListing.h"

namespace vt {

// One row of a table: a program (lines separated by '\n') and its expected outcome.
struct ScriptRow {
    const char* program;
    const char* outcome;
};

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousNotice_ = SetNoticeHandler([this](const std::string& caption, const std::string& text, unsigned style) {
            notices.push_back(caption + "|" + text + "|" + std::to_string(style));
        });
        previousBeep_ = SetBeepHandler([this](unsigned frequency, unsigned ms) {
            beeps.push_back(std::to_string(frequency) + "/" + std::to_string(ms));
        });
        StartEngine();
    }

    void TearDown() override {
        StopEngine();
        SetNoticeHandler(std::move(previousNotice_));
        SetBeepHandler(std::move(previousBeep_));
    }

    // A new engine (the old one ended first), with the step budget the test last set.
    void StartEngine() {
        StopEngine();
        engine_ = std::make_unique<ScriptEngine>();
        engine_->SetStepBudget(stepBudget_);
        running_.emplace(*engine_);
    }
    // Ends the engine: every word, both stacks.
    void StopEngine() {
        running_.reset();
        engine_.reset();
    }
    ScriptEngine& Engine() { return *engine_; }

    void Interpret(const std::string& line) { engine_->Interpret(line); }
    TDefinition* FindWord(const std::string& name) { return engine_->FindWord(name); }
    void ExecuteWord(TDefinition* word) { engine_->ExecuteWord(word); }
    void ClearStacks() { engine_->ClearStacks(); }
    void SetStepBudget(std::int64_t steps) {
        stepBudget_ = steps;
        engine_->SetStepBudget(steps);
    }
    const ValueStack& DataStack() const { return engine_->DataStack(); }
    const ValueStack& ReturnStack() const { return engine_->ReturnStack(); }
    std::string ListDataStack(std::size_t maxStringBytes = kUnbounded, std::size_t maxValues = kUnbounded) const {
        return ListStack(engine_->DataStack(), maxStringBytes, maxValues);
    }

    // Runs the lines in order; stops at the first error.
    std::string Run(const std::string& program) {
        std::istringstream lines(program);
        std::string line;
        try {
            while (std::getline(lines, line)) Interpret(line);
        } catch (const ScriptError& e) {
            return std::string("error: ") + e.what();
        }
        return "ok" + ListDataStack();
    }

    // Each row on a fresh engine.
    void CheckRows(const std::vector<ScriptRow>& rows) {
        for (const ScriptRow& row : rows) {
            StartEngine();
            notices.clear();
            EXPECT_EQ(Run(row.program), row.outcome) << "program: " << row.program;
        }
    }

    std::vector<std::string> notices;
    std::vector<std::string> beeps;

private:
    std::unique_ptr<ScriptEngine> engine_;
    std::optional<ScriptEngine::Running> running_;
    std::int64_t stepBudget_ = kStepBudget;
    NoticeHandler previousNotice_;
    BeepHandler previousBeep_;
};

}  // namespace vt
