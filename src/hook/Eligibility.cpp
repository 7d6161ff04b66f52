#include "hook/Eligibility.h"

#include "common/AsciiText.h"
#include "common/win32/ModuleInstance.h"
#include "hook/SubclassNode.h"

namespace vt {

std::string ModuleBaseName(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return UpperCase(slash == std::string::npos ? path : path.substr(slash + 1));
}

Eligibility IsEligibleByName(const std::string& moduleName, const std::string& className, bool nested,
                             const ExclusionLists& lists) {
    Eligibility result;
    if (IsListed(lists.excludedModules, moduleName)) return result;
    result.eligible = !(nested && IsListed(lists.noNestedModules, moduleName));
    if (IsListed(lists.excludedClasses, className)) result.eligible = false;
    if (IsListed(lists.noSizeFixupClasses, className)) result.extraFlags = SubclassNode::NoSizeFixup;
    return result;
}

Eligibility IsEligible(HWND window, bool nested, const ExclusionLists& lists) {
    auto instance = reinterpret_cast<HMODULE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    std::string moduleName = ModuleBaseName(ModuleFileName(instance));
    char className[256] = {};
    int length = GetClassNameA(window, className, int(sizeof className));
    return IsEligibleByName(moduleName, UpperCase(std::string(className, length > 0 ? length : 0)), nested, lists);
}

}  // namespace vt
