#include "theme/ThemeWords.h"

#include <array>

#include "script/drawing/DrawingContext.h"
#include "theme/ThemeState.h"
#include "theme/model/ElementCodes.h"

namespace vt {

void RegisterThemeScriptWords(ScriptEngine& engine, DrawingContext& context) {
    // The constants take their names and masks from the element-code table, in its order, so
    // that a script tests a window for an element's style bits by the element's own name.
    std::array<StyleConstant, kElementCodeCount> constants;
    for (std::size_t i = 0; i < constants.size(); ++i) {
        constants[i] = StyleConstant{ElementCodes[i].Name, ElementCodes[i].Style};
    }
    RegisterDrawingWords(engine, context, constants.data(), constants.size());
}

void RegisterThemeScriptWords(ThemeState& state) { RegisterThemeScriptWords(*state.Scripts, state.Drawing); }

}  // namespace vt
