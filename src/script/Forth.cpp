#include "script/Forth.h"

#include "script/Definition.h"
#include "script/Engine.h"

namespace vt {

TForth::TForth() : boundary(detail::Running().latest), memory(1) { detail::Running().forth = this; }

TForth::~TForth() {
    detail::EngineState& engine = detail::Running();
    engine.dataStack.Clear();
    engine.returnStack.Clear();
    TDefinition* word = engine.latest;
    while (word && word != boundary) {
        TDefinition* older = word->previous();
        delete word;
        word = older;
    }
    engine.latest = nullptr;
    engine.takenMarkers.clear();
}

}  // namespace vt
