#pragma once
// Brings a kwm window-manager theme (a themerc or kwmrc of key=value lines and XPM images) into
// the native model: eight frame pieces around the window, the title bar, up to three buttons on
// each side of it, the caption between them and the client area, plus the size fix-ups.
// Generated elements have no names, hence no script words.
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

// Relative image names are taken in `folder` (the theme file's; empty: the current directory). An image that cannot be read is
// reported to the sink (with the line that named it, 0 for a default name) and leaves its
// entry empty; the rest of the theme still loads.
void ImportKwmTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink = {},
                    const std::string& folder = {});

}  // namespace vt
