#pragma once
// The frame engine's start and end in a process, and the theme it holds. The engine itself is
// not written yet: no theme is ever loaded, so every registered window passes its messages
// through, and the theme information is empty.
#include <string>
#include <vector>

namespace vt {

// Creates the theme information, loads the theme and registers "Veltrane Repaint Message".
void StartFrameEngine();
// Unloads the theme and drops the theme information.
void EndFrameEngine();

// Builds the theme chosen by the configuration / releases it (the switch on "Veltrane Theme
// Changed" runs both).
void LoadTheme();
void UnloadTheme();

// The process's theme came from themes.cfg: it ignores theme changes.
bool ThemePinned();
// The lines of the theme's [INFO] section.
const std::vector<std::string>& ThemeInfoLines();

}  // namespace vt
