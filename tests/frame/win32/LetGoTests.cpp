// A program inside one of the module's modal loops while its last reference to the module is let
// go from another of its threads (what Windows does once the hook is removed): it must come back
// from the loop and keep working. Each case runs in a child process (vtletgo), so that a crash is
// a failed test, not a dead test run.
#include <gtest/gtest.h>

#include <string>

#include "FrameTestSupport.h"
#include "ProbeProcess.h"
#include "RealModuleTest.h"
#include "frame/letgo/LetGoProtocol.h"

namespace vt {
namespace {

class LetGo : public test::RealModuleTest {};

TEST_F(LetGo, ProgramComesBackFromTheModulesLoopsAfterItsLastReferenceWent) {
    ASSERT_TRUE(WriteControllerValue("Theme", test::WritePaneTheme()));
    Install();
    for (const char* loop : {"caption", "menu", "close"}) {
        const int code = ProbeProcess::RunToEnd(ProgramFolder() + "vtletgo.exe", loop, 30000);
        EXPECT_EQ(code, letgo::kCameBack) << loop << " (-1: never ended; 11: no loop; 12: the module was unmapped; "
                                          << "13: the loop never ended; 14: no answer; 20: crashed)";
    }
}

}  // namespace
}  // namespace vt
