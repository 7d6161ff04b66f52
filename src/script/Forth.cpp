#include "script/Forth.h"

#include "script/Definition.h"
#include "script/Engine.h"

namespace vt {

TForth::TForth() : boundary(detail::engine.latest), memory(1) { detail::engine.forth = this; }

TForth::~TForth() {
    ClearStacks();
    TDefinition* word = detail::engine.latest;
    while (word && word != boundary) {
        TDefinition* older = word->previous();
        delete word;
        word = older;
    }
    detail::engine.latest = nullptr;
    detail::engine.takenMarkers.clear();
}

}  // namespace vt
