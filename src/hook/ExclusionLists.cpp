#include "hook/ExclusionLists.h"

#include <algorithm>

#include "common/AsciiText.h"
#include "common/RegularFile.h"
#include "theme/TextLines.h"

namespace vt {

void ExclusionLists::AddLines(const std::vector<std::string>& lines) {
    std::vector<std::string>* current = nullptr;  // none before the first section line
    for (const std::string& line : lines) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            // The last character goes whatever it is: "[MODULES] " names no known section.
            std::string section = line.size() >= 2 ? UpperCase(line.substr(1, line.size() - 2)) : std::string();
            if (section == "MODULES") current = &excludedModules;
            else if (section == "WINDOWCLASSES") current = &excludedClasses;
            else if (section == "NONESTED") current = &noNestedModules;
            else if (section == "NOSIZEFIXUPS") current = &noSizeFixupClasses;
            else current = nullptr;
            continue;
        }
        if (current) current->push_back(UpperCase(line));
    }
}

void ExclusionLists::LoadExcludeFile(const std::string& path) {
    if (!FileExists(path)) return;
    AddLines(ReadTextLines(path));
}

bool IsListed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace vt
