#include "script/DefiningWords.h"

#include "script/Compiler.h"
#include "script/Engine.h"

namespace vt {

TForthObject* TColon::Execute() {
    TCompiler* compiler = Compiler();
    if (compiler->state != CompilerState::Interpreting) Error(": is not allowed inside a definition!");
    compiler->state = CompilerState::AwaitingName;
    return nullptr;
}

TForthObject* TSemi::Execute() {
    TCompiler* compiler = Compiler();
    switch (compiler->state) {
    case CompilerState::Interpreting:
        Error("; is not allowed outside a definition!");
    case CompilerState::Compiling:
        // A branch still waiting keeps no target: taking it ends the word.
        compiler->state = CompilerState::Interpreting;
        compiler->pendingBranches.clear();
        break;
    case CompilerState::AwaitingName:
        break;
    }
    return nullptr;
}

TForthObject* TCREATE::Execute() {
    TCompiler* compiler = Compiler();
    std::string name = compiler->NextToken();
    if (name.empty()) Error("CREATE needs a name for the new word!");
    compiler->CreateWord(name);
    return nullptr;
}

TForthObject* TDoes::Execute() { return nullptr; }

TForthObject* TLIT::Execute() {
    Append(new TLiteral(Pop()));
    return nullptr;
}

TForthObject* TImmediate::Execute() {
    if (Compiler()->state != CompilerState::Interpreting) Error("IMMEDIATE is not allowed inside a definition!");
    if (TDefinition* latest = Latest()) latest->flags |= TDefinition::Immediate;
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TColon>;
template class TNativeReference<TSemi>;
template class TNativeReference<TCREATE>;
template class TNativeReference<TDoes>;
template class TNativeReference<TLIT>;
template class TNativeReference<TImmediate>;

}  // namespace vt
