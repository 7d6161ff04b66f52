#pragma once
// veltrane.dll as a controller sees it: loaded from a path, its three exports resolved.
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/win32/UniqueHandle.h"

namespace vt {

class HookLibrary {
public:
    // Loads the module and resolves InstallHook, RemoveHook and GetThemeInfo; false (with the
    // reason in Error()) when one of them is missing.
    bool Load(const std::string& path);
    // Unloads the module (call RemoveHook first).
    void Unload();
    bool Loaded() const { return static_cast<bool>(module_); }
    HMODULE Module() const { return module_.get(); }
    const std::string& Error() const { return error_; }

    void InstallHook() const { installHook_(); }
    void RemoveHook() const { removeHook_(); }
    // GetThemeInfo into a buffer of `size` bytes, up to its terminating zero.
    std::string ThemeInfo(std::uint32_t size = 4096) const;

private:
    using VoidExport = void(WINAPI*)();
    using InfoExport = void(WINAPI*)(char*, std::uint32_t);

    UniqueLibrary module_;
    VoidExport installHook_ = nullptr;
    VoidExport removeHook_ = nullptr;
    InfoExport getThemeInfo_ = nullptr;
    std::string error_;
};

}  // namespace vt
