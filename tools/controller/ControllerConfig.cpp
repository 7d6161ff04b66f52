#include "ControllerConfig.h"

#include <windows.h>

#include "common/win32/UniqueHandle.h"
#include "common/win32/ConfigKey.h"

namespace vt {
namespace {

UniqueRegistryKey OpenConfigSubkey(bool create) {
    std::string path = std::string(kConfigKeyPath) + "\\" + kConfigSubkey;
    UniqueRegistryKey key;
    LONG status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, key.put(), nullptr)
                         : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, key.put());
    if (status != ERROR_SUCCESS) key.release();
    return key;
}

}  // namespace

std::optional<std::string> ReadControllerValue(const char* name) {
    // Opened, not created: asking (vtctl status after an uninstall, say) leaves no key behind.
    UniqueRegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kConfigKeyPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.release();
    std::string text;
    if (!key || !ReadConfigString(key.get(), name, text)) return std::nullopt;
    return text;
}

bool WriteControllerValue(const char* name, const std::string& text) {
    UniqueRegistryKey key = OpenConfigSubkey(true);
    return key && RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 DWORD(text.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteControllerValue(const char* name) {
    UniqueRegistryKey key = OpenConfigSubkey(false);
    if (!key) return true;
    LONG status = RegDeleteValueA(key.get(), name);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool SetControllerValue(const char* name, const std::optional<std::string>& text) {
    return text ? WriteControllerValue(name, *text) : DeleteControllerValue(name);
}

}  // namespace vt
