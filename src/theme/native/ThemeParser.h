#pragma once
// The native theme reader: sections [INFO] [IMAGES] [LAYOUT] [TITLE FONT] [MENU FONT]
// [INACTIVE FONT] [CODE] [MISC], plus one section per themed control ([BUTTON]). Each content
// line runs under its own guard: a failing line is reported to the sink with its 1-based number
// and the rest of the file still loads. After the last line the event words of every named
// element are bound (NAME::OnPaint and the others, matched with their case).
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

// Does nothing when the state has no element list or bitmap collection. Compiles [CODE] lines
// and element-name constants into the running script engine; relative image file names are
// taken in `folder` (the theme file's; empty: the current directory).
void ParseTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink = {},
                const std::string& folder = {});

}  // namespace vt
