#include "ScriptTestSupport.h"

#include "script/Compiler.h"
#include "script/Definition.h"
#include "script/Forth.h"

namespace vt {

TEST_F(ScriptTest, StartsWithEmptyStacksOneEmptyCellAndHereZero) {
    EXPECT_TRUE(EngineRunning());
    EXPECT_TRUE(DataStack().Empty());
    EXPECT_TRUE(ReturnStack().Empty());
    ASSERT_EQ(Forth()->memory.size(), 1u);
    EXPECT_TRUE(Forth()->memory[0].IsEmpty());
    EXPECT_EQ(Run("HERE 0 @"), "ok 0 empty");
    EXPECT_EQ(Compiler()->state, CompilerState::Interpreting);
}

TEST_F(ScriptTest, StopEngineEndsEverything) {
    StopEngine();
    EXPECT_FALSE(EngineRunning());
    EXPECT_EQ(FindWord("DUP"), nullptr);
    EXPECT_THROW(Interpret("1"), ScriptError);
}

}  // namespace vt
