#include "ScriptTestSupport.h"

#include "script/Compiler.h"
#include "script/Definition.h"

namespace vt {

TEST_F(ScriptTest, NumberLiterals) {
    CheckRows({
        {"5 DUP", "ok 5 5"},
        {"$1F", "ok 31"},
        {"-$10", "ok -16"},
        {"-12", "ok -12"},
        {"$ff", "ok 255"},
        {"$", "ok 0"},
        {"-$", "ok 0"},
        {"0 -0 007", "ok 0 0 7"},
        {"2147483647", "ok 2147483647"},
        {"2147483648", "ok 2147483648.0"},
        {"$7FFFFFFF $FFFFFFFF", "ok 2147483647 4294967295.0"},
        // The digits are read as a positive number that is then negated.
        {"-2147483648", "ok -2147483648.0"},
        {"12AB", "error: Unknown WORD 12AB"},
        {"abc", "error: Unknown WORD ABC"},
        {"dup", "error: Unknown WORD DUP"},
        {"$1g", "error: Unknown WORD $1G"},
        {"--5", "error: Unknown WORD --5"},
        {"2.5", "error: Unknown WORD 2.5"},
        {"$-1", "error: Unknown WORD $-1"},
        // Only spaces separate tokens.
        {"1\t2", "error: Unknown WORD 1\t2"},
    });
}

TEST_F(ScriptTest, StringLiterals) {
    CheckRows({
        {"\" two words\"", "ok \"two words\""},
        {"\" two words\" 5", "ok \"two words\" 5"},
        {"\"  spaced  \"", "ok \" spaced  \""},
        {"\" MiXeD case\"", "ok \"MiXeD case\""},
        {"\" no closing quote", "ok \"no closing quote\""},
        {"1 \"", "ok 1 \"\""},
        {"\"\" x", "error: Unknown WORD \"\""},
        {"\"glued\"", "error: Unknown WORD \"GLUED\""},
        {": S \" in a word\" ;\nS S", "ok \"in a word\" \"in a word\""},
    });
}

TEST_F(ScriptTest, DefinitionsSpanLinesAndRefuseMisplacedColonAndSemicolon) {
    CheckRows({
        {": X\n1 ;\nX", "ok 1"},
        {": X 1\n2\n; X", "ok 1 2"},
        {": E ;\nE", "ok"},
        {": A : B ;", "error: : is not allowed inside a definition!"},
        {";", "error: ; is not allowed outside a definition!"},
        // The name after : may be anything, even a number.
        {": 5 7 ;\n5", "ok 7"},
        // A word is visible from the moment its name is read: it may call itself.
        {": DOWN DUP IF 1- DOWN THEN ;\n3 DOWN", "ok 0"},
    });
}

TEST_F(ScriptTest, CompileOnlyWordsAreRefusedInInterpretState) {
    const char* message = "error: Attempt to execute a compile only\r word in interpret mode!";
    CheckRows({
        {"IF", message}, {"ELSE", message}, {"THEN", message}, {"DO", message},
        {"LOOP", message}, {"I", message}, {"BEGIN", message}, {"AGAIN", message},
        {"UNTIL", message}, {"DOES", message}, {"5 (LIT)", message},
        // Immediate but not compile-only: they run.
        {"VARIABLE V V", "ok 0"},
        {"3 CONSTANT C C", "ok 3"},
    });
}

TEST_F(ScriptTest, RedefinitionWarnsAndHidesOnlyForLaterLookups) {
    EXPECT_EQ(Run(": D2 DUP ;\n: DUP 7 ;\n3 D2 DUP"), "ok 3 3 7");
    EXPECT_EQ(notices, std::vector<std::string>{"T-Forth|DUP is beging redefined!|48"});
    EXPECT_EQ(Run("CREATE D2"), "ok 3 3 7");
    EXPECT_EQ(notices.back(), "T-Forth|D2 is beging redefined!|48");
}

TEST_F(ScriptTest, ErrorAbandonsTheLineAndTheDefinitionButKeepsWhatWasDone) {
    EXPECT_EQ(Run("1 : X 1 2 FOO 3 ; 4"), "error: Unknown WORD FOO");
    EXPECT_EQ(Compiler()->state, CompilerState::Interpreting);
    EXPECT_TRUE(Compiler()->input.empty());
    EXPECT_EQ(Run("X"), "ok 1 1 2");   // X holds what was compiled before FOO
}

TEST_F(ScriptTest, ErrorFlagSilencesPushAndEmptyPopsUntilTheNextLine) {
    EXPECT_EQ(Run("FOO"), "error: Unknown WORD FOO");
    Push(Value::FromInt(1));
    EXPECT_TRUE(DataStack().Empty());
    EXPECT_TRUE(Pop().IsEmpty());
    EXPECT_THROW(PopReturn(), ScriptError);   // the return stack always complains
    EXPECT_EQ(Run("2"), "ok 2");
}

TEST_F(ScriptTest, ValueErrorsAlsoEndTheLine) {
    EXPECT_EQ(Run("0 @ 1 + 5"), "error: Invalid variant operation");
    EXPECT_TRUE(Compiler()->input.empty());
    EXPECT_EQ(Run("6"), "ok 6");
}

TEST_F(ScriptTest, NextTokenSplitsOnSpacesOnly) {
    TCompiler& c = *Compiler();
    c.input = "  one\ttwo  three ";
    c.position = 0;
    EXPECT_EQ(c.NextToken(), "one\ttwo");
    EXPECT_EQ(c.Rest(), "  three ");
    EXPECT_EQ(c.NextToken(), "three");
    EXPECT_EQ(c.NextToken(), "");
    EXPECT_TRUE(c.input.empty());
}

}  // namespace vt
