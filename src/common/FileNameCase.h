#pragma once
// Theme files are written on Windows, where file names ignore letter case: a themerc may say
// MENU.XPM for menu.xpm. On a file system that minds case (the native tools), a name that does
// not exist as written is matched case-insensitively within its folder, so that a theme that
// loads on Windows also loads there. On Windows the name is always taken as written.
#include <string>
#include <unordered_map>

#include "common/RegularFile.h"  // FileExists

namespace vt {

// The name as written when that file exists; else the first file (in byte order) of its folder
// whose name equals it ignoring ASCII case; else empty.
std::string FindExistingFile(const std::string& name);
// FindExistingFile, or the name unchanged when nothing matches, so that opening it fails with
// the name the theme wrote.
std::string ExistingFileName(const std::string& name);

// The regular files of one folder, listed once, found by name in any letter case: for a reader
// that asks for many names of which most may be missing (an IceWM theme may hold some eighty
// optional images), where one look-up per name would cost a folder scan each on a file system
// that minds case.
class FolderFiles {
public:
    // The folder's path with its separator ("" for the current folder, "dir/").
    explicit FolderFiles(const std::string& prefix = "");
    // The path of the file of that name (as it is spelt on disk), or empty.
    std::string Find(const std::string& name) const;

private:
    std::string prefix_;
    std::unordered_map<std::string, std::string> byUpperName_;
};

}  // namespace vt
