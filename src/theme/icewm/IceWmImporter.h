#pragma once
// Brings an IceWM theme (default.theme, or another .theme file of the theme's folder, with its
// XPM or PNG images beside it) into the native model: the frame of sizable windows from the
// frameA / frameI pieces, the thinner frame of dialogs from the dframe pieces, the title bar from
// its titleA / titleI pieces, the buttons of TitleButtonsLeft and TitleButtonsRight with their
// stacked normal and pressed states and the rollover image as hover, the caption between them,
// the client area inside the borders, the title colours and font, and a roll-up rectangle when
// there is a roll-up button. What IceWM draws with its own code (the win95, motif, warp and nice
// looks, and a pixmap look's missing frame or buttons) is drawn here as bitmaps from the theme's
// colours and sizes (see DrawnPieces.h). Generated elements have no names.
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

// Whether a theme file's lines are an IceWM theme: no line opens a [SECTION] (every native theme
// has one) and some line sets one of the keys IceWM themes use for frames (Look, TitleBarHeight,
// BorderSizeX, ColorActiveTitleBar, TitleButtonsLeft, ...).
bool LooksLikeIceWmTheme(const std::vector<std::string>& lines);

// Images are looked up in the current directory (the theme's folder). An unreadable image or a
// bad value is reported to the sink (with its line; 0 for an image) and the rest still loads.
// Image names are taken in `folder` (the theme file's; empty: the current directory).
void ImportIceWmTheme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink = {},
                      const std::string& folder = "");

}  // namespace vt
