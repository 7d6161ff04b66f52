// Scripts written to take a host program down: each must end within a second with a clear
// error, holding no more memory than the engine's bounds allow.
#include "ScriptTestSupport.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "script/Compiler.h"
#include "script/Forth.h"

namespace vt {
namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A line's outcome as vtforth prints it, with its bounded listing.
std::string Outcome(ScriptEngine& engine, const std::string& line) {
    try {
        engine.Interpret(line);
        return "ok" + ListStack(engine.DataStack(), kListedStringBytes, kListedValues);
    } catch (const ScriptError& e) {
        return std::string("error: ") + e.what();
    }
}

const std::string kBigString = '"' + std::string(kListedStringBytes, 'x') + "\"...(524288 bytes)";

// tests/script/data/malformed: each file's last line, and what it must end with. A file not in
// the table only has to end in time.
TEST_F(ScriptTest, MalformedCorpusEndsWithinASecondWithBoundedMemory) {
    const std::map<std::string, std::string> expected = {
        {"strings-fill-memory.fs", "error: Out of script memory: strings would hold more than 32 MiB!"},
        {"strings-copied-each-pass.fs", "error: The word ran too long: more than 10000000 steps without finishing!"},
        {"strings-compared-each-pass.fs", "error: The word ran too long: more than 10000000 steps without finishing!"},
        {"stack-of-large-strings.fs", "ok [19745 more] " + kBigString + " " + kBigString},
    };
    const std::size_t heldBefore = StringBytesHeld();
    const auto folder = std::filesystem::path(VT_SOURCE_DIR) / "tests/script/data/malformed";
    std::size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".fs") continue;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++seen;
        StartEngine();
        std::ifstream in(entry.path(), std::ios::binary);
        std::string line, last;
        const Clock::time_point start = Clock::now();
        while (std::getline(in, line)) {
            last = Outcome(Engine(), line);
            EXPECT_LE(StringBytesHeld(), kMaxStringBytes);
        }
        EXPECT_LT(SecondsSince(start), 1.0);
        EXPECT_LT(last.size(), 32'768u);   // one short line, whatever the stack holds
        auto row = expected.find(name);
        if (row != expected.end()) {
            EXPECT_EQ(last.substr(0, row->second.size()), row->second);
        }
    }
    EXPECT_GE(seen, expected.size());
    StopEngine();
    EXPECT_EQ(StringBytesHeld(), heldBefore);   // every String's bytes were given back
    StartEngine();
}

// A line of 2.8 MB, run and compiled: reading it must take time in proportion to its length.
TEST_F(ScriptTest, VeryLongLinesAreReadInLinearTime) {
    std::string pairs;
    for (int i = 0; i < 400'000; ++i) pairs += "1 DROP ";
    const std::string lines[] = {pairs, ": LONG " + pairs + "; LONG"};
    for (const std::string& line : lines) {
        StartEngine();
        const Clock::time_point start = Clock::now();
        EXPECT_EQ(Outcome(Engine(), line), "ok") << line.substr(0, 20);
        EXPECT_LT(SecondsSince(start), 1.0) << line.substr(0, 20);
    }
}

// Copies of one String share its bytes; only new Strings count, and they count until the last
// copy is gone.
TEST_F(ScriptTest, StringMemoryCountsEachStringOnce) {
    const std::size_t base = StringBytesHeld();
    Run("\" abcd\"");
    const std::size_t one = StringBytesHeld() - base;
    EXPECT_GE(one, 4u);
    const std::vector<ScriptRow> rows = {
        {"DUP DUP", "ok \"abcd\" \"abcd\" \"abcd\""},
        {"DUP 0 ! 0 @", "ok \"abcd\" \"abcd\" \"abcd\" \"abcd\""},
    };
    for (const ScriptRow& row : rows) {
        EXPECT_EQ(Run(row.program), row.outcome);
        EXPECT_EQ(StringBytesHeld() - base, one) << row.program;
    }
    EXPECT_EQ(Run("+"), "ok \"abcd\" \"abcd\" \"abcdabcd\"");
    EXPECT_GT(StringBytesHeld() - base, one + 8);
    ClearStacks();
    Forth()->memory[0] = Value();
    EXPECT_EQ(StringBytesHeld(), base);
}

// The console's listing: long Strings elided, deep stacks listed from the top.
TEST_F(ScriptTest, ListingIsBounded) {
    struct Row {
        std::string program;
        std::string listing;
    };
    const std::string x64(64, 'x');
    const std::vector<Row> rows = {
        {"\" " + x64 + "\"", " \"" + x64 + "\""},
        {"\" " + x64 + "y\"", " \"" + x64 + "\"...(65 bytes)"},
        {": F 300 0 DO I LOOP ; F", " [44 more] 44 45"},
    };
    for (const Row& row : rows) {
        ClearStacks();
        ASSERT_EQ(Run(row.program).substr(0, 2), "ok") << row.program;
        EXPECT_EQ(ListDataStack(kListedStringBytes, kListedValues).substr(0, row.listing.size()), row.listing)
            << row.program;
    }
}

}  // namespace
}  // namespace vt
