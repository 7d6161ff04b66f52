#pragma once
// The themes the picker offers: every theme under the installed themes folder (native `.theme`
// files, and `themerc` files of kwm and xfwm4) and the theme files the user added, each loaded
// as the module loads it, with its load errors and a preview painted by the module's own frame
// code (as `vttheme render` paints).
#include <windows.h>

#include <string>
#include <vector>

#include "graphics/RgbaImage.h"

namespace vt::picker {

struct ThemeEntry {
    std::string name;    // the file's name without extension, or a themerc's folder name
    std::string path;    // full path, as vtctl and the registry hold it
    std::vector<std::string> errors;  // PATH:LINE: MESSAGE, as vttheme check prints them
    RgbaImage preview;   // empty when the theme has nothing to draw
};

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 130;

// Every theme file under `folder` (subfolders included), sorted by path.
std::vector<std::string> FindThemeFiles(const std::string& folder);
// Loads one theme and paints its preview; never throws.
ThemeEntry LoadThemeEntry(const std::string& path);

// The theme files the user added (a value of the configuration key, one path a line).
std::vector<std::string> AddedThemeFiles();
bool AddThemeFile(const std::string& path);

// Pixels of the preview that are not fully transparent.
std::size_t VisiblePixels(const RgbaImage& image);

}  // namespace vt::picker
