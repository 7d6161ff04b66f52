#pragma once
// A fresh engine per test, notices and beeps captured instead of shown, and a runner that
// reports a program's outcome in the console tool's words: "ok" and the stack, or "error: "
// and the message of the first line that failed.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/Notice.h"
#include "script/Engine.h"
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
        SetStepBudget(kStepBudget);
        SetNoticeHandler(std::move(previousNotice_));
        SetBeepHandler(std::move(previousBeep_));
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
            StopEngine();
            StartEngine();
            notices.clear();
            EXPECT_EQ(Run(row.program), row.outcome) << "program: " << row.program;
        }
    }

    std::vector<std::string> notices;
    std::vector<std::string> beeps;

private:
    NoticeHandler previousNotice_;
    BeepHandler previousBeep_;
};

}  // namespace vt
