#pragma once
// Whether a window may be registered, by the exclusion lists.
#include <windows.h>

#include <cstdint>
#include <string>

#include "hook/ExclusionLists.h"

namespace vt {

struct Eligibility {
    bool eligible = false;
    std::uint32_t extraFlags = 0;  // 0 or NoSizeFixup
};

// `nested`: the window would get an unthemed (forwarding) record.
Eligibility IsEligible(HWND window, bool nested, const ExclusionLists& lists);

// The rule on names: the upper-cased file name of the window's module (after the last
// backslash, extension kept) and its upper-cased class name.
Eligibility IsEligibleByName(const std::string& moduleName, const std::string& className, bool nested,
                             const ExclusionLists& lists);
// "C:\Apps\Editor.exe" -> "EDITOR.EXE".
std::string ModuleBaseName(const std::string& path);

}  // namespace vt
