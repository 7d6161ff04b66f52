#include "ScriptTestSupport.h"

#include "script/Definition.h"
#include "script/Forth.h"

namespace vt {

TEST_F(ScriptTest, VariablesAndConstants) {
    CheckRows({
        {"VARIABLE A VARIABLE B\nA B", "ok 0 1"},
        {"VARIABLE A VARIABLE B\n7 A !\nA @ B @", "ok 7 empty"},
        {"5 CONSTANT FIVE\nFIVE FIVE +", "ok 10"},
        {"\" txt\" CONSTANT T\nT", "ok \"txt\""},
        {"VARIABLE", "error: CREATE needs a name for the new word!"},
        {"CONSTANT", "error: CREATE needs a name for the new word!"},
    });
}

TEST_F(ScriptTest, ConstantWithoutAValueFailsAfterMakingTheWord) {
    EXPECT_EQ(Run("CONSTANT X"), "error: Stack underflow!");
    EXPECT_EQ(Run("X"), "ok");
}

TEST_F(ScriptTest, CompilingAlwaysAppendsToTheNewestWord) {
    EXPECT_EQ(Run(": T VARIABLE X 1 ;\nX"), "ok 0 1");
    EXPECT_EQ(Run("T"), "ok 0 1");
}

TEST_F(ScriptTest, CreateDoesLitAndImmediate) {
    CheckRows({
        {"CREATE FOO\nFOO", "ok"},
        {"CREATE", "error: CREATE needs a name for the new word!"},
        {": SEVEN 7 ; IMMEDIATE\n: T SEVEN ;\nT", "ok 7"},
        {": T IMMEDIATE ;", "error: IMMEDIATE is not allowed inside a definition!"},
        {": K CREATE 42 (LIT) ;\nK ANSWER\nANSWER ANSWER", "ok 42 42"},
        {": D DOES ;\nD", "ok"},
    });
}

TEST_F(ScriptTest, AllotMovesHereWithinBounds) {
    CheckRows({
        {"HERE 3 ALLOT HERE", "ok 0 3"},
        {"3 ALLOT 5 2 ! 2 @", "ok 5"},
        {"3 ALLOT 3 @", "error: @: address 3 is outside the cell memory (3 cells)!"},
        {"0 ALLOT 0 @", "error: @: address 0 is outside the cell memory (0 cells)!"},
        {"-1 ALLOT", "error: ALLOT would move HERE outside 0 to 65536!"},
        {"65537 ALLOT", "error: ALLOT would move HERE outside 0 to 65536!"},
        {"2147483647 ALLOT 1 ALLOT", "error: ALLOT would move HERE outside 0 to 65536!"},
        {"\" 2.5\" ALLOT HERE", "ok 2"},
        {"4 ALLOT -2 ALLOT HERE", "ok 2"},
    });
}

TEST_F(ScriptTest, AllotKeepsTheMemoryExactlyHereCellsLong) {
    EXPECT_EQ(Forth()->memory.size(), 1u);
    Run("1 ALLOT");
    EXPECT_EQ(Forth()->memory.size(), 1u);
    Run("1 ALLOT");
    EXPECT_EQ(Forth()->memory.size(), 2u);
    EXPECT_EQ(Forth()->here, 2);
    EXPECT_EQ(Run("-1 ALLOT"), "ok");
    EXPECT_EQ(Run("65600 ALLOT"), "error: ALLOT would move HERE outside 0 to 65536!");
    EXPECT_EQ(Forth()->memory.size(), 1u);
}

}  // namespace vt
