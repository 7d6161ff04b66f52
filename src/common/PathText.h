#pragma once
// Path pieces, for either separator: the module runs on Windows, its tools and tests also run
// natively.
#include <string>

namespace vt {

// The folder part of a path (before its last slash or backslash); empty when there is none.
// A root stays a root ("/", "C:\").
std::string FolderOf(const std::string& path);

// The folder with a backslash appended when it is not empty and ends in no separator, ready
// to have a file name put after it.
std::string WithTrailingBackslash(const std::string& folder);

// The file name part of a path (after its last slash or backslash).
std::string FileNameOf(const std::string& path);

// Whether the name stands on its own: it starts with a separator or a drive ("C:").
bool IsAbsolutePath(const std::string& name);

// The name taken relative to the folder: the folder, a separator (the folder's own kind) and the
// name. An absolute name, or an empty folder (the current directory), leaves the name as it is.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace vt
