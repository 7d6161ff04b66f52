#include "ScriptTestSupport.h"

#include "script/Compiler.h"

namespace vt {

TEST_F(ScriptTest, Conditionals) {
    CheckRows({
        {": T 1 IF 10 ELSE 20 THEN ;\nT", "ok 10"},
        {": T 0 IF 10 ELSE 20 THEN ;\nT", "ok 20"},
        {": T IF 7 THEN ;\n0 T 1 T", "ok 7"},
        // The last branch of T leads nowhere, never into a later word.
        {": T IF 7 THEN ;\n: U 99 ;\n0 T", "ok"},
        {": T IF IF 1 THEN THEN 2 ;\n0 -1 T", "ok 2"},
        {": T IF 1 ELSE IF 2 ELSE 3 THEN THEN ;\n0 0 T 1 0 T -1 T", "ok 3 2 1"},
        // An inner THEN just before ELSE lands on what follows the else part.
        {": T IF IF 1 THEN ELSE 2 THEN 3 ;\n0 -1 T", "ok 3"},
        {": T IF IF 1 THEN ELSE 2 THEN 3 ;\n-1 -1 T", "ok 1 3"},
        {": T IF IF 1 THEN ELSE 2 THEN 3 ;\n0 T", "ok 2 3"},
        // Truth of other kinds.
        {": T IF 1 ELSE 0 THEN ;\n\" 0\" T \" 1\" T \" 0.0\" T 1 2 > T 1 2 < T", "ok 0 1 0 0 1"},
        {": T IF 1 ELSE 0 THEN ;\n\" abc\" T", "error: Invalid variant type conversion"},
        {": T IF 1 ELSE 0 THEN ;\n0 @ T", "error: Invalid variant operation"},
        {": T IF 1 THEN ;\nT", "error: Stack underflow!"},
    });
}

TEST_F(ScriptTest, CountedLoops) {
    CheckRows({
        {": T 5 0 DO I LOOP ;\nT", "ok 0 1 2 3 4"},
        {": T 3 0 DO 2 0 DO I LOOP I LOOP ;\nT", "ok 0 1 0 0 1 1 0 1 2"},
        {": T 0 4 1 DO I + LOOP ;\nT T", "ok 6 6"},
        {": T DO I LOOP ;\n3 1 T", "ok 1 2"},
        {": T IF 3 0 DO I LOOP THEN ;\n1 T 0 T", "ok 0 1 2"},
        // The body always runs once; the exit test is equality with the limit.
        {": T 1 0 DO I LOOP ;\nT", "ok 0"},
        {": T DO I LOOP ;\n5 T", "error: Stack underflow!"},
        {": T DO I LOOP ;\nT", "error: Stack underflow!"},
    });
}

TEST_F(ScriptTest, OpenLoops) {
    CheckRows({
        {": T BEGIN 1- DUP 0 = UNTIL ;\n3 T", "ok 0"},
        {": T 0 BEGIN 1+ DUP 5 = UNTIL ;\nT", "ok 5"},
        {": T BEGIN DROP AGAIN ;\n1 2 T", "error: Stack underflow!"},
        // The flag of the outer UNTIL is 42 or 7, left by either branch.
        {": T BEGIN 1- DUP 0 = IF 42 ELSE BEGIN 1- DUP 0 = UNTIL 7 THEN UNTIL ;\n1 T 3 T", "ok 0 0"},
        {": T BEGIN 3 0 DO I LOOP 1 UNTIL ;\nT", "ok 0 1 2"},
    });
}

TEST_F(ScriptTest, ControlWordsRefuseWhatTheirPartnerDidNotLeave) {
    CheckRows({
        {": T 1 IF 2 LOOP ;", "error: LOOP without a matching DO!"},
        {": T BEGIN THEN ;", "error: THEN without a matching IF or ELSE!"},
        {": T DO AGAIN ;", "error: AGAIN without a matching BEGIN!"},
        {": T DO UNTIL ;", "error: UNTIL without a matching BEGIN!"},
        {": T BEGIN ELSE ;", "error: ELSE without a matching IF!"},
        {": T IF ELSE ELSE ;", "error: ELSE without a matching IF!"},
        {": T BEGIN LOOP ;", "error: LOOP without a matching DO!"},
        // A value parked by >R at compile time is not a structure.
        {": P 5 >R ; IMMEDIATE\n: T P THEN ;", "error: THEN without a matching IF or ELSE!"},
        {": T THEN ;", "error: Return stack underflow!"},
        {": T ELSE ;", "error: Return stack underflow!"},
        {": T LOOP ;", "error: Return stack underflow!"},
        {": T AGAIN ;", "error: Return stack underflow!"},
        {": T UNTIL ;", "error: Return stack underflow!"},
        // An open structure fetched by an immediate word is a value no operation accepts.
        {": P R> ; IMMEDIATE\n: T IF P ;\n1 +", "error: Invalid variant operation"},
    });
    EXPECT_EQ(Compiler()->state, CompilerState::Interpreting);
}

}  // namespace vt
