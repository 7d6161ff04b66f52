#include "theme/FrameElementsCheck.h"

namespace vt {

const char* const kNoFrameElementsMessage = "no frame elements: not a theme this module can read";

bool HasFrameElements(const ThemeState& state) { return state.Elements && state.Elements->Count() > 0; }

bool RequireFrameElements(const ThemeState& state, const ThemeErrorSink& sink) {
    if (HasFrameElements(state)) return true;
    ReportThemeLoadError(0, kNoFrameElementsMessage, sink);
    return false;
}

}  // namespace vt
