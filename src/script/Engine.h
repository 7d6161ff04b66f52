#pragma once
// The script engine's interface to the rest of the system. There is one engine per process;
// all operations act on it.
#include <stdexcept>
#include <string>

namespace vt {

class TDefinition;

// Carries an engine error (compiler, word or value error) out of Interpret and word runs.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void StartEngine();              // a new engine with the core words, VARIABLE and CONSTANT
void StopEngine();               // destroys the engine, all words and both stacks
bool EngineRunning();
void Interpret(const std::string& text);          // one line; throws ScriptError on the first problem
TDefinition* FindWord(const std::string& name);   // newest word of exactly that name, or nullptr
void ExecuteWord(TDefinition* word);              // runs a word (event words); throws ScriptError
void ClearStacks();

}  // namespace vt
