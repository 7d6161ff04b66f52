#include "ScriptTestSupport.h"

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__)
#include <pthread.h>
#endif

#include "script/Branches.h"
#include "script/Compiler.h"
#include "script/Definition.h"
#include "script/Forth.h"

namespace vt {
namespace {

// A word class of the kind later subsystems add: ( -- 42 ).
class TFortyTwo final : public TDefinition {
public:
    TForthObject* Execute() override {
        Push(Value::FromInt(42));
        return nullptr;
    }
};

}  // namespace

TEST_F(ScriptTest, StartsWithEmptyStacksOneEmptyCellAndHereZero) {
    EXPECT_TRUE(DataStack().Empty());
    EXPECT_TRUE(ReturnStack().Empty());
    ASSERT_EQ(Forth()->memory.size(), 1u);
    EXPECT_TRUE(Forth()->memory[0].IsEmpty());
    EXPECT_EQ(Forth()->name, "tForth");
    EXPECT_EQ(Run("HERE 0 @"), "ok 0 empty");
    EXPECT_EQ(Compiler()->state, CompilerState::Interpreting);
}

// Engines share nothing: words, stacks, memory, the half-compiled definition and the step
// budget are each engine's own, and a word of one engine run from inside a word of another (an
// event word reached through a window message) runs on its own engine and gives the outer one
// back.
TEST_F(ScriptTest, EnginesAreIndependentAndNestWithinOneAnother) {
    Run("1 2 >R 5 0 ! : HALF 1");
    ScriptEngine other;
    other.SetStepBudget(1'000);
    EXPECT_EQ(other.FindWord("HALF"), nullptr);
    EXPECT_TRUE(other.DataStack().Empty());
    EXPECT_TRUE(other.ReturnStack().Empty());
    other.Interpret("0 @ 7");
    EXPECT_EQ(ListStack(other.DataStack()), " empty 7");
    EXPECT_THROW(other.Interpret(": LONG BEGIN 0 UNTIL ; LONG"), ScriptError);
    EXPECT_EQ(ListDataStack(), " 1");
    Interpret("2 ;");   // this engine's definition was still open
    EXPECT_EQ(Run("HALF 0 @"), "ok 1 1 2 5");

    struct TRunOther final : public TDefinition {
        explicit TRunOther(ScriptEngine& engine_) : engine(engine_) {}
        TForthObject* Execute() override {
            engine.ExecuteWord(engine.FindWord("SEVEN"));
            Push(Value::FromInt(8));
            return nullptr;
        }
        ScriptEngine& engine;
    };
    other.ClearStacks();
    other.Interpret(": SEVEN 7 ;");
    RegisterWord<TRunOther>("OTHER", 0, other);
    EXPECT_EQ(Run(": BOTH 6 OTHER 9 ; BOTH"), "ok 1 1 2 5 6 8 9");
    EXPECT_EQ(ListStack(other.DataStack()), " 7");

    StartEngine();
    EXPECT_EQ(Run("HALF"), "error: Unknown WORD HALF");
}

// A word run from inside another one's host call (an event word reached through a window
// message) that fails, its error handled by the host: the outer word goes on as if nothing had
// happened to it, its pushes and in-place steps included.
TEST_F(ScriptTest, ARunNestedInAnotherFailsWithoutSilencingIt) {
    struct THostCall final : public TDefinition {
        explicit THostCall(ScriptEngine& engine_) : engine(engine_) {}
        TForthObject* Execute() override {
            try {
                engine.ExecuteWord(engine.FindWord("FAILS"));
            } catch (const ScriptError&) {
            }
            return nullptr;
        }
        ScriptEngine& engine;
    };
    RegisterWord<THostCall>("HOSTCALL", 0, Engine());
    EXPECT_EQ(Run(": FAILS R> ;\n: OUTER 7 HOSTCALL 2 3 + \" s\" 4 ;\nOUTER"), "ok 7 5 \"s\" 4");
}

TEST_F(ScriptTest, CoreWordsAreRegisteredInOrderWithTheirFlags) {
    const std::vector<std::pair<std::string, int>> expected = {
        {":", 1}, {";", 1}, {"+", 0}, {"-", 0}, {"*", 0}, {"/", 0}, {"DUP", 0}, {"DROP", 0},
        {"SWAP", 0}, {"IF", 3}, {"ELSE", 3}, {"THEN", 3}, {"BEEP", 0}, {"DISP", 0}, {"DO", 3},
        {"LOOP", 3}, {"I", 2}, {"BEGIN", 3}, {"AGAIN", 3}, {"UNTIL", 3}, {"CREATE", 0},
        {"DOES", 2}, {"ALLOT", 0}, {"!", 0}, {"@", 0}, {"(LIT)", 2}, {"2/", 0}, {"2*", 0},
        {">R", 0}, {"R>", 0}, {"IMMEDIATE", 1}, {"HERE", 0}, {">", 0}, {"<", 0}, {"=", 0},
        {">=", 0}, {"<=", 0}, {"<>", 0}, {"1+", 0}, {"1-", 0}, {"AND", 0}, {"OR", 0},
        {"XOR", 0}, {"NOT", 0}, {"RAND", 0}, {"VARIABLE", 1}, {"CONSTANT", 1},
    };
    std::vector<std::pair<std::string, int>> found;
    for (TDefinition* w = Latest(); w; w = w->previous()) found.insert(found.begin(), {w->name, w->flags});
    EXPECT_EQ(found, expected);
}

TEST_F(ScriptTest, VariableAndConstantAreDefinedFromSource) {
    std::vector<std::string> body;
    for (TForthObject* e = FindWord("VARIABLE")->body(); e; e = e->next) {
        auto* ref = dynamic_cast<TDefElement*>(e);
        auto* literal = dynamic_cast<TLiteral*>(e);
        body.push_back(ref ? static_cast<TDefinition*>(ref->target)->name : ListValue(literal->value));
    }
    EXPECT_EQ(body, (std::vector<std::string>{"CREATE", "HERE", ">R", "1", "ALLOT", "R>", "DOES", "(LIT)"}));
    EXPECT_EQ(FindWord("CONSTANT")->length(), 3);
}

TEST_F(ScriptTest, FindWordIsExactAndFindsTheNewest) {
    EXPECT_NE(FindWord("DUP"), nullptr);
    EXPECT_EQ(FindWord("dup"), nullptr);
    EXPECT_EQ(FindWord("DUP "), nullptr);
    EXPECT_EQ(Run(": X 1 ;\n: Y X ;\n: X 2 ;\nY X"), "ok 1 2");
    TDefinition* second = FindWord("X");
    EXPECT_EQ(second, Latest());
    EXPECT_EQ(second->previous()->name, "Y");
}

TEST_F(ScriptTest, RegisterWordTakesANewWordClass) {
    TFortyTwo* word = RegisterWord<TFortyTwo>("FORTYTWO", 0);
    EXPECT_EQ(FindWord("FORTYTWO"), word);
    EXPECT_EQ(Run("FORTYTWO : T FORTYTWO FORTYTWO + ; T"), "ok 42 84");
    RegisterWord<TFortyTwo>("FT!", TDefinition::Immediate | TDefinition::CompileOnly);
    EXPECT_EQ(Run("FT!"), "error: Attempt to execute a compile only\r word in interpret mode!");
}

TEST_F(ScriptTest, AppendGrowsTheNewestBodyAndResolvesWaitingBranches) {
    RegisterWord<TDefinition>("W", 0);
    Append(new TLiteral(Value::FromInt(1)));
    auto* branch = new TBranch();
    Append(branch);
    Compiler()->pendingBranches.push_back(branch);
    auto* two = new TLiteral(Value::FromInt(2));
    Append(two);
    EXPECT_EQ(branch->target, two);
    EXPECT_TRUE(Compiler()->pendingBranches.empty());
    EXPECT_EQ(FindWord("W")->length(), 3);
    EXPECT_EQ(Run("W"), "ok 1 2");
}

TEST_F(ScriptTest, ReferenceRunsItsTargetAndGoesOnWithItsOwnSuccessor) {
    Run(": FIVE 5 ;");
    TDefElement reference(FindWord("FIVE"));
    TLiteral after(Value::FromInt(6));
    reference.next = &after;
    EXPECT_EQ(reference.Execute(), &after);
    EXPECT_EQ(ListDataStack(), " 5");
}

TEST_F(ScriptTest, ExecuteWordRunsEventWordsAndRaises) {
    Run(": EV 1 2 + ;\n: BAD DROP ;");
    ExecuteWord(FindWord("EV"));
    EXPECT_EQ(ListDataStack(), " 3");
    ClearStacks();
    EXPECT_THROW(ExecuteWord(FindWord("BAD")), ScriptError);
    // A direct Execute call (as the frame engine may make) is bounded all the same.
    Run(": LOOPS BEGIN AGAIN ;");
    SetStepBudget(10'000);
    EXPECT_THROW(FindWord("LOOPS")->Execute(), ScriptError);
}

TEST_F(ScriptTest, ClearStacksEmptiesBothAndKeepsTheErrorFlag) {
    Run("1 2 >R 3");
    ClearStacks();
    EXPECT_TRUE(DataStack().Empty());
    EXPECT_TRUE(ReturnStack().Empty());
    Run("FOO");
    ClearStacks();
    Push(Value::FromInt(1));
    EXPECT_TRUE(DataStack().Empty());
}

TEST_F(ScriptTest, RunawayWordsEndWithAnError) {
    SetStepBudget(100'000);
    const std::string tooLong = "error: The word ran too long: more than 100000 steps without finishing!";
    CheckRows({
        {": F BEGIN AGAIN ;\nF", tooLong.c_str()},
        {": F 0 0 DO LOOP ;\nF", tooLong.c_str()},
        {": F 5 7 DO LOOP ;\nF", tooLong.c_str()},
        {": G ;\n: F BEGIN G AGAIN ;\nF", tooLong.c_str()},
        {": F 1 BEGIN DUP UNTIL ;\nF", "ok 1"},
        {": F 0 BEGIN DUP UNTIL ;\nF", tooLong.c_str()},
        {": X X ;\nX", "error: Words nested too deeply: more than 500 words inside one another!"},
        {": X DUP IF 1- X THEN ;\n499 X", "ok 0"},
        {": X DUP IF 1- X THEN ;\n500 X", "error: Words nested too deeply: more than 500 words inside one another!"},
    });
}

TEST_F(ScriptTest, RunawayWordsCannotTakeTheHostsMemory) {
    CheckRows({
        {": F BEGIN 1 AGAIN ;\nF", "error: Stack overflow!"},
        {": F BEGIN 1 >R AGAIN ;\nF", "error: Return stack overflow!"},
        {": F \" x\" BEGIN DUP + AGAIN ;\nF", "error: String too long!"},
    });
}

TEST_F(ScriptTest, EachTopLevelRunHasItsOwnBudget) {
    SetStepBudget(1'000);
    EXPECT_EQ(Run(": L 200 0 DO LOOP ;\nL L L L L 1"), "ok 1");
    EXPECT_EQ(Run(": M 600 0 DO LOOP ;\nM"), "error: The word ran too long: more than 1000 steps without finishing!");
    EXPECT_EQ(Run("1 2 +"), "ok 1 3");
}

TEST_F(ScriptTest, TheDefaultBudgetEndsAnEndlessLoopQuickly) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Run(": F BEGIN AGAIN ;\nF").substr(0, 27), "error: The word ran too lon");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(ScriptTest, AWordThatFailedInsideALoopRunsNormallyNextTime) {
    EXPECT_EQ(Run(": T 3 0 DO I 1 = IF 0 @ 1 + THEN LOOP ;\nT"), "error: Invalid variant operation");
    ClearStacks();
    EXPECT_EQ(Run("5 0 !\nT"), "ok 6");
    SetStepBudget(50);
    EXPECT_EQ(Run(": U 100 0 DO LOOP ;\nU").substr(0, 11), "error: The ");
    SetStepBudget(kStepBudget);
    ClearStacks();
    EXPECT_EQ(Run("7 U"), "ok 7");
}

TEST_F(ScriptTest, DeepNestingFitsASmallThreadStack) {
#if defined(__unix__)
    // The host's thread may have a small stack; the nesting limit has to be reached long
    // before it runs out, also when the error unwinds all the way.
    struct Outcome {
        ScriptEngine& engine;
        std::string deepest;
        std::string tooDeep;
    } outcome{Engine(), "", ""};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    pthread_t thread;
    auto body = [](void* context) -> void* {
        auto* o = static_cast<Outcome*>(context);
        auto run = [o](const char* line) {
            try {
                o->engine.Interpret(line);
                return "ok" + ListStack(o->engine.DataStack());
            } catch (const ScriptError& e) {
                return std::string("error: ") + e.what();
            }
        };
        run(": X DUP IF 1- DUP 2 / DROP X THEN ;");
        o->deepest = run("499 X");
        o->engine.ClearStacks();
        o->tooDeep = run(": Y Y ; Y");
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &outcome), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(outcome.deepest, "ok 0");
    EXPECT_EQ(outcome.tooDeep, "error: Words nested too deeply: more than 500 words inside one another!");
#else
    GTEST_SKIP() << "needs pthread stack sizes";
#endif
}

}  // namespace vt

namespace vt {
namespace {

// One engine's session, its words and numbers depending on `n`: words, a variable, a loop,
// RAND's sequence, Strings up to the engine's 32 MiB and an error. Each line's outcome.
std::string RunSession(int n) {
    const std::string number = std::to_string(n);
    const std::string lines[] = {
        "VARIABLE V " + number + " V ! : SUM 0 SWAP 0 DO I + LOOP ;",
        ": DRAW 4 0 DO 1000 RAND LOOP ; V @ 1000 * SUM DRAW",
        ": BIG \" ab\" 15 0 DO DUP + LOOP ; : FILL 0 DO BIG LOOP ; 200 FILL 200 FILL 200 FILL",
        ": W" + number + " V @ 0 / ; W" + number,
    };
    ScriptEngine engine;
    std::string outcome;
    for (const std::string& line : lines) {
        try {
            engine.Interpret(line);
            outcome += "ok" + ListStack(engine.DataStack(), 8) + "\n";
        } catch (const ScriptError& e) {
            outcome += "error after " + std::to_string(engine.DataStack().Size()) + ": " + e.what() + "\n";
        }
        engine.ClearStacks();
    }
    return outcome;
}

}  // namespace

// Engines on several threads at once: each gives exactly what it gives alone, whatever the
// others run meanwhile (its running words, String budget and RAND sequence its own).
TEST(ScriptEngines, RunOnSeveralThreadsAtOnceEachWithItsOwnResults) {
    constexpr int kThreads = 4;
    constexpr int kSessions = 3;
    std::vector<std::string> alone;
    for (int n = 0; n < kThreads; ++n) alone.push_back(RunSession(n + 1));
    EXPECT_NE(alone[0], alone[1]);
    EXPECT_NE(alone[0].find("Out of script memory"), std::string::npos) << alone[0];

    std::vector<std::vector<std::string>> together(kThreads);
    std::vector<std::thread> threads;
    for (int n = 0; n < kThreads; ++n) {
        threads.emplace_back([n, &together] {
            for (int i = 0; i < kSessions; ++i) together[n].push_back(RunSession(n + 1));
        });
    }
    for (std::thread& t : threads) t.join();
    for (int n = 0; n < kThreads; ++n) {
        for (const std::string& outcome : together[n]) EXPECT_EQ(outcome, alone[n]) << "thread " << n;
    }
}

}  // namespace vt
