#pragma once
// A file that loads without a single frame element is no theme at all (a text file, a theme of a
// window manager we do not read): switching programs to it would leave their windows with no
// frame. The tools that check a theme before use (vttheme, vtctl, the theme picker) report it
// as an error of the whole file; the module keeps the program's own frame for it.
#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

extern const char* const kNoFrameElementsMessage;  // "no frame elements: not a theme this module can read"

// Whether the load produced at least one element.
bool HasFrameElements(const ThemeState& state);

// Reports kNoFrameElementsMessage as an error of line 0 to the sink when the state has no
// element; returns whether it has some.
bool RequireFrameElements(const ThemeState& state, const ThemeErrorSink& sink);

}  // namespace vt
