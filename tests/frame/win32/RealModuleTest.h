#pragma once
// A fixture base for tests of the real veltrane.dll as a controller installs it: a private copy of
// the module, new windows switched on in the shared area, Enabled written; afterwards the hook is
// removed, the module unloaded, the area and the registry values put back, and no box may have shown.
#include <gtest/gtest.h>

#include "ControllerConfig.h"
#include "HookLibrary.h"
#include "HookTestSupport.h"
#include "common/win32/SharedArea.h"

namespace vt::test {

class RealModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        TakeClosedBoxes();
        ASSERT_TRUE(copy_.Ok());
        ASSERT_NE(area_.Open(), nullptr);
        savedEnabled_ = area_.NewWindowsEnabled();
        area_.SetNewWindowsEnabled(true);
        ASSERT_TRUE(WriteControllerValue("Enabled", "1"));
    }
    void TearDown() override {
        if (library_.Loaded()) {
            library_.RemoveHook();
            library_.Unload();
        }
        PumpMessages();
        area_.SetNewWindowsEnabled(savedEnabled_);
        EXPECT_TRUE(TakeClosedBoxes().empty()) << "no message box may appear";
    }
    // Loads the copy of the module and installs its hook.
    void Install() {
        ASSERT_TRUE(library_.Load(copy_.ModulePath())) << library_.Error();
        library_.InstallHook();
    }

    ControllerValueRestorer restoreEnabled_{"Enabled"};
    ControllerValueRestorer restoreTheme_{"Theme"};
    ModuleFolderCopy copy_;
    SharedArea area_;
    bool savedEnabled_ = true;
    HookLibrary library_;
};

}  // namespace vt::test
