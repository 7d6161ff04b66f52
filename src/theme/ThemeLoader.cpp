#include "theme/ThemeLoader.h"

#include "common/PathText.h"
#include "theme/ControlList.h"
#include "theme/KwmImporter.h"
#include "theme/TextLines.h"
#include "theme/ThemeParser.h"
#include "theme/ThemeText.h"
#include "theme/Xfwm4Importer.h"

namespace vt {

bool IsKwmThemePath(const std::string& path) {
    return ContainsText(path, "KWMRC") || ContainsText(path, "THEMERC");
}

void LoadThemeFile(const std::string& path, ThemeState& state, const ThemeErrorSink& sink) {
    ResetAllControls();
    std::vector<std::string> lines = ReadTextLines(path);
    // Image names are taken in the theme's folder, never by making it the current directory:
    // that is the whole host program's, and its other threads may be opening files meanwhile.
    const std::string folder = FolderOf(path);
    // kwm and xfwm4 both call their theme file themerc; what is in it (and beside it) tells them
    // apart.
    if (!IsKwmThemePath(path)) ParseTheme(lines, state, sink, folder);
    else if (LooksLikeXfwm4Theme(lines, folder)) ImportXfwm4Theme(lines, state, sink, folder);
    else ImportKwmTheme(lines, state, sink, folder);
}

}  // namespace vt
