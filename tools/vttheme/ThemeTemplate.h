#pragma once
// vttheme new NAME DIR: a small, complete native theme to start from. NAME.theme, commented
// line by line, and its images (drawn here, in code) are written into DIR: a frame with rounded
// top corners, a title bar, the window's icon, the caption, close, maximise and minimise buttons
// with pressed, inactive and hover looks, sizing zones, the menu strip and themed push buttons.
#include <string>

namespace vt {

// Writes the theme; DIR is made when missing. Throws std::runtime_error when DIR exists and is not
// an empty folder (nothing of the author's is ever overwritten), when NAME cannot be a file name,
// or when a file cannot be written. Returns the theme file's path.
std::string WriteThemeTemplate(const std::string& name, const std::string& folder);

}  // namespace vt
