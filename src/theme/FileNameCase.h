#pragma once
// Theme files are written on Windows, where file names ignore letter case: a themerc may say
// MENU.XPM for menu.xpm. On a file system that minds case (the native tools), a name that does
// not exist as written is matched case-insensitively within its folder, so that a theme that
// loads on Windows also loads there. On Windows the name is always taken as written.
#include <string>

#include "common/RegularFile.h"  // FileExists

namespace vt {

// The name as written when that file exists; else the first file (in byte order) of its folder
// whose name equals it ignoring ASCII case; else empty.
std::string FindExistingFile(const std::string& name);
// FindExistingFile, or the name unchanged when nothing matches, so that opening it fails with
// the name the theme wrote.
std::string ExistingFileName(const std::string& name);

}  // namespace vt
