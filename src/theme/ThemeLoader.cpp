#include "theme/ThemeLoader.h"

#include "common/AsciiText.h"
#include "common/PathText.h"
#include "theme/FrameElementsCheck.h"
#include "theme/TextLines.h"
#include "theme/icewm/IceWmImporter.h"
#include "theme/import/ThemeColourSymbols.h"
#include "theme/kwm/KwmImporter.h"
#include "theme/native/ThemeParser.h"
#include "theme/xfwm4/Xfwm4Importer.h"

namespace vt {

bool IsKwmThemePath(const std::string& path) {
    return ContainsText(path, "KWMRC") || ContainsText(path, "THEMERC");
}

void LoadThemeFile(const std::string& path, ThemeState& state, const ThemeErrorSink& sink) {
    std::vector<std::string> lines = ReadTextLines(path);
    // Image names are taken in the theme's folder, never by making it the current directory:
    // that is the whole host program's, and its other threads may be opening files meanwhile.
    const std::string folder = FolderOf(path);
    // kwm and xfwm4 both call their theme file themerc; what is in it (and beside it) tells them
    // apart. IceWM themes are .theme files like ours, told apart by their Key=value lines.
    if (IsKwmThemePath(path)) {
        if (LooksLikeXfwm4Theme(lines, folder)) ImportXfwm4Theme(lines, state, sink, folder);
        else ImportKwmTheme(lines, state, sink, folder);
    } else if (LooksLikeIceWmTheme(lines)) {
        ImportIceWmTheme(lines, state, sink, folder);
    } else {
        ParseTheme(lines, state, sink, folder);
    }
    // A file that gave no frame element is no theme: the windows keep their own frames.
    if (!HasFrameElements(state)) state.ThemeLoaded = false;
}

void StartThemeLoad(ThemeState& state, const std::vector<WordRegistration>& words) {
    ResetThemeSettings(state);
    ReleaseThemeStructures(state);
    CreateThemeStructures(state);
    for (WordRegistration registerWords : words) registerWords(state);
}

void LoadThemeState(const std::string& path, ThemeState& state, const ThemeLoadSteps& steps) {
    StartThemeLoad(state, steps.words);
    try {
        LoadThemeFile(path, state, steps.sink);
    } catch (...) {
        if (steps.systemColours) ApplySystemColours(state, *steps.systemColours);
        throw;
    }
    if (steps.systemColours) ApplySystemColours(state, *steps.systemColours);
    if (steps.requireFrame) RequireFrameElements(state, steps.sink);
}

}  // namespace vt
