#pragma once
// Loads a theme the way the module does, but collects the load errors instead of showing them,
// and describes the result in the stable text formats of the vttheme tool (theme authors' scripts
// read them). The check format is one line per error, PATH:LINE: MESSAGE, with the message's
// carriage returns written as \r; the dump format lists bitmaps, elements, settings, fonts, the
// themed button, the [INFO] lines and then the errors, one record per line.
#include <string>
#include <vector>

#include "theme/ThemeErrors.h"
#include "theme/ThemeLoader.h"
#include "theme/ThemeState.h"

namespace vt {

// The model part of the dump (every record but the errors).
std::string DumpThemeState(const ThemeState& state);
// One PATH:LINE: MESSAGE line per error.
std::string FormatCheckReport(const std::string& path, const std::vector<ThemeLoadError>& errors);

class ThemeInspector {
public:
    explicit ThemeInspector(ThemeState& state);
    // Releases the loaded theme and its script engine.
    ~ThemeInspector();
    ThemeInspector(const ThemeInspector&) = delete;
    ThemeInspector& operator=(const ThemeInspector&) = delete;

    // Resets the settings, creates the empty structures (a new engine with its core words), adds
    // extraWords and loads the file (native or imported, as LoadThemeFile decides). A
    // failure of the load as a whole, and a file that yields no frame element, are recorded as
    // errors of line 0. With systemColours, the theme follows them as in the module.
    void Load(const std::string& path, const std::vector<WordRegistration>& extraWords = {},
              const SystemColourTable* systemColours = nullptr);

    const std::vector<ThemeLoadError>& Errors() const { return errors_; }
    const ButtonBitmaps& Button() const { return state_.Button; }
    std::string CheckReport() const;
    std::string Dump() const;

private:
    ThemeState& state_;
    std::string path_;
    std::vector<ThemeLoadError> errors_;
};

}  // namespace vt
