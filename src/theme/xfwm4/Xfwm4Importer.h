#pragma once
// Brings an xfwm4 theme (a themerc of key=value lines beside images named top-left-active,
// title-1-active .. title-5-active, close-prelight, ...) into the native model: corners and
// borders around the window, the title bar from its five pieces, the buttons of button_layout
// with their pressed, hover and inactive images, the caption between them and the client area,
// plus the size fix-ups, the caption's text colours and alignment, and a roll-up rectangle when
// there is a shade button. Each image is its XPM with the PNG of the same name drawn over it, as
// xfwm4 layers them; images a theme lacks are left out. Generated elements have no names.
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

// Whether a themerc's lines are an xfwm4 theme: it uses none of kwm's keys, and it has one of
// xfwm4's keys or its folder (`folder`; empty: the current directory) holds one of xfwm4's frame
// images. kwm themes are called themerc too, so the name alone cannot tell.
bool LooksLikeXfwm4Theme(const std::vector<std::string>& lines, const std::string& folder = {});

// Relative image names are taken in `folder` (the theme file's; empty: the current directory). An unreadable image or a bad value is
// reported to the sink (with its themerc line, 0 for an image) and the rest still loads.
void ImportXfwm4Theme(const std::vector<std::string>& lines, ThemeState& state, const ThemeErrorSink& sink = {},
                      const std::string& folder = {});

}  // namespace vt
