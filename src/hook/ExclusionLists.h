#pragma once
// The programs and window classes that exclude.cfg keeps out, read once when the module starts
// in a process. Entries are upper-cased and otherwise kept exactly as written (blanks included),
// in file order, duplicates and all.
#include <string>
#include <vector>

namespace vt {

struct ExclusionLists {
    std::vector<std::string> excludedModules;     // [MODULES]: never registered
    std::vector<std::string> excludedClasses;     // [WINDOWCLASSES]: never registered
    std::vector<std::string> noNestedModules;     // [NONESTED]: never registered unthemed
    std::vector<std::string> noSizeFixupClasses;  // [NOSIZEFIXUPS]: never resized on WM_SIZE

    // Appends the entries of exclude.cfg's lines: empty lines and lines starting with '#' are
    // skipped; a line starting with '[' names the section (its first and last character dropped,
    // upper-cased); any other line belongs to the current section, and lines before the first
    // section or under an unknown one are ignored.
    void AddLines(const std::vector<std::string>& lines);
    // Reads the file at `path` when it exists (AddLines); throws when it exists but cannot be read.
    void LoadExcludeFile(const std::string& path);
};

// Whether `name` (upper case) is one of the list's entries.
bool IsListed(const std::vector<std::string>& list, const std::string& name);

}  // namespace vt
