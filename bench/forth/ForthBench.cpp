// Times two script programs on the engine, best of several runs, and prints one line per
// program: "<name> <milliseconds> <result>". bench.fs holds the same programs for gforth.
// Times are processor time of the process (wall time where the C library's clock() is that),
// so that other processes on the machine disturb the figures less.
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>

#include "script/Definition.h"
#include "script/ScriptEngine.h"
#include "script/ValueListing.h"

namespace {

struct Program {
    const char* name;
    const char* definition;   // defines the word `name`
    const char* arguments;    // pushed before each run
};

// The counted loop sums small numbers so that the total stays an Integer, as it does in gforth.
const Program kPrograms[] = {
    {"SUM", ": SUM 0 10000000 0 DO I 3 AND + LOOP ;", ""},
    {"FIB", ": FIB DUP 2 < IF DROP 1 ELSE DUP 1- FIB SWAP 2 - FIB + THEN ;", "30"},
};
constexpr int kRuns = 5;

}  // namespace

int main() {
    vt::ScriptEngine engine;
    engine.SetStepBudget(std::numeric_limits<std::int64_t>::max());   // the programs run far longer than a theme word may
    for (const Program& program : kPrograms) {
        engine.Interpret(program.definition);
        vt::TDefinition* word = engine.FindWord(program.name);
        double best = 1e300;
        std::string result;
        for (int run = 0; run < kRuns; ++run) {
            engine.ClearStacks();
            engine.Interpret(program.arguments);
            std::clock_t start = std::clock();
            engine.ExecuteWord(word);
            std::clock_t stop = std::clock();
            double ms = double(stop - start) * 1000.0 / CLOCKS_PER_SEC;
            if (ms < best) best = ms;
            result = vt::ListStack(engine.DataStack());
        }
        std::printf("%s %.1f%s\n", program.name, best, result.c_str());
    }
    return 0;
}
