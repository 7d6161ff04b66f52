#pragma once
// A fixture for tests that run the frame engine inside the test process: the module started,
// notices collected instead of shown (a test fails on any), new windows switched on in the shared
// area, and the registry's Theme value and the engine's theme put back afterwards.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ControllerConfig.h"
#include "HookTestSupport.h"
#include "common/Notice.h"
#include "hook/ModuleLifecycle.h"
#include "hook/ModuleState.h"

namespace vt::test {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        TakeClosedBoxes();
        previousNotice_ = SetNoticeHandler([this](const std::string& caption, const std::string& text, unsigned) {
            notices_.push_back(caption + ": " + text);
        });
        ASSERT_TRUE(EnsureModuleStarted());
        state_ = ModuleStateIfStarted();
        state_->sharedArea.SetHoverWindow(nullptr);
        savedEnabled_ = state_->sharedArea.NewWindowsEnabled();
        state_->sharedArea.SetNewWindowsEnabled(true);  // the hook acts on new windows and theme changes
    }
    void TearDown() override {
        state_->registry.UnsubclassAll();
        WriteControllerValue("Theme", "");
        state_->Theme().SwitchTheme();
        state_->sharedArea.SetNewWindowsEnabled(savedEnabled_);
        SetNoticeHandler(std::move(previousNotice_));
        EXPECT_TRUE(notices_.empty()) << notices_.front();
        EXPECT_TRUE(TakeClosedBoxes().empty());
    }

    // Points the registry at the theme and loads it, as a theme change does.
    void UseTheme(const std::string& path) {
        ASSERT_TRUE(WriteControllerValue("Theme", path));
        state_->Theme().SwitchTheme();
        ASSERT_TRUE(state_->frame->ThemeLoaded()) << path;
    }

    // The module's theme, as the last load left it.
    ThemeState& LoadedTheme() const { return state_->themeState; }

    // The value of a VARIABLE of the loaded theme's scripts.
    std::int32_t ScriptVariable(const std::string& name) {
        ScriptEngine& scripts = *LoadedTheme().Scripts;
        scripts.ClearStacks();
        scripts.Interpret(name + " @");
        const std::int32_t value = scripts.DataStack().At(0).ToInteger();
        scripts.ClearStacks();
        return value;
    }

    ControllerValueRestorer restoreTheme_{"Theme"};
    ModuleState* state_ = nullptr;
    bool savedEnabled_ = true;
    std::vector<std::string> notices_;
    NoticeHandler previousNotice_;
};

}  // namespace vt::test
