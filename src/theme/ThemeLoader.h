#pragma once
// Loads one theme file into the state: the themed controls forget their bitmaps, the file is
// read as lines, and the lines go to an importer when the path names a themerc or kwmrc (the
// xfwm4 one when they are an xfwm4 theme's, else the kwm one) or when they are an IceWM theme's,
// else to the native reader. Relative image names are taken in the theme file's folder; the
// current directory, which belongs to the host program, is never changed. A load that yields no
// element leaves the theme not loaded.
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeState.h"

namespace vt {

class SystemColourTable;

// Registers a set of script words into the theme's engine (the drawing words).
using WordRegistration = void (*)(ThemeState& state);

// What one load does besides reading the file.
struct ThemeLoadSteps {
    std::vector<WordRegistration> words;   // added to the new engine before the file is read
    ThemeErrorSink sink;                   // errors of lines and images; null: one box each
    const SystemColourTable* systemColours = nullptr;   // applied after the file (null: none)
    bool requireFrame = false;             // a file without frame elements is an error of line 0
};

// Starts a load: the settings reset, the previous structures released, new empty ones made (a
// new script engine with its core words) and steps.words added.
void StartThemeLoad(ThemeState& state, const std::vector<WordRegistration>& words);

// One theme load, the same for the module, the tools and the benches: StartThemeLoad,
// LoadThemeFile, the system colours (also when the file could not be read, which is then thrown
// as LoadThemeFile throws it) and the frame check.
void LoadThemeState(const std::string& path, ThemeState& state, const ThemeLoadSteps& steps);

// Errors of single lines and images go to the sink (null: one box each). Failures of the load
// itself (the file cannot be read) are thrown as ThemeError.
// The caller has reset the settings, started the script engine and created the structures.
void LoadThemeFile(const std::string& path, ThemeState& state, const ThemeErrorSink& sink = {});

// Whether the path, folders included and in any letter case, names a kwm theme.
bool IsKwmThemePath(const std::string& path);

}  // namespace vt
