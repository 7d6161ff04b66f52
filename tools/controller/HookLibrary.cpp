#include "HookLibrary.h"

#include <vector>

namespace vt {
namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function, std::string& error) {
    FARPROC address = GetProcAddress(module, name);
    if (!address) {
        error = std::string("export ") + name + " is missing";
        return false;
    }
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(address));
    return true;
}

}  // namespace

bool HookLibrary::Load(const std::string& path) {
    Unload();
    module_.reset(LoadLibraryA(path.c_str()));
    if (!module_) {
        error_ = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (Resolve(module_.get(), "InstallHook", installHook_, error_) &&
        Resolve(module_.get(), "RemoveHook", removeHook_, error_) &&
        Resolve(module_.get(), "GetThemeInfo", getThemeInfo_, error_)) {
        return true;
    }
    Unload();
    return false;
}

void HookLibrary::Unload() {
    module_.reset();
    installHook_ = removeHook_ = nullptr;
    getThemeInfo_ = nullptr;
}

std::string HookLibrary::ThemeInfo(std::uint32_t size) const {
    std::vector<char> buffer(size + 1, '\0');
    getThemeInfo_(buffer.data(), size);
    return std::string(buffer.data());
}

}  // namespace vt
