#pragma once
// Loads one theme file into the state: the themed controls forget their bitmaps, the file is
// read as lines, and the lines go to an importer when the path names a themerc or kwmrc (the
// xfwm4 one when they are an xfwm4 theme's, else the kwm one) or when they are an IceWM theme's,
// else to the native reader. Relative image names are taken in the theme file's folder; the
// current directory, which belongs to the host program, is never changed. A load that yields no
// element leaves the theme not loaded.
#include <string>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

// Errors of single lines and images go to the sink (null: one box each). Failures of the load
// itself (the file cannot be read) are thrown as ThemeError.
// The caller has reset the settings, started the script engine and created the structures.
void LoadThemeFile(const std::string& path, ThemeState& state, const ThemeErrorSink& sink = {});

// Whether the path, folders included and in any letter case, names a kwm theme.
bool IsKwmThemePath(const std::string& path);

}  // namespace vt
