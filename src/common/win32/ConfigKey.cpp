#include "common/win32/ConfigKey.h"

#include <cstdint>
#include <vector>

#include "common/DecimalText.h"

namespace vt {
namespace {

// A configuration string is a path or a number; a value past this is not ours to read.
constexpr DWORD kLongestValue = 64 * 1024;

}  // namespace

UniqueRegistryKey OpenConfigKey() {
    UniqueRegistryKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kConfigKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS) {
        key.release();  // the slot holds nothing worth closing after a failure
    }
    return key;
}

bool ReadConfigString(HKEY key, const char* name, std::string& value) {
    UniqueRegistryKey config;
    if (RegOpenKeyExA(key, kConfigSubkey, 0, KEY_READ, config.put()) != ERROR_SUCCESS) {
        config.release();
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(config.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kLongestValue) return false;
    std::vector<char> bytes(size + 1, '\0');
    if (RegQueryValueExA(config.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    // The stored string may or may not carry its terminating zero.
    value.assign(bytes.data(), size);
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return true;
}

bool EnabledFromText(const std::string& text) {
    std::int32_t number = 0;
    return TryParseDecimal(text, number) && number != 0;
}

bool ReadEnabled(HKEY key) {
    std::string text;
    return ReadConfigString(key, "Enabled", text) && EnabledFromText(text);
}

}  // namespace vt
