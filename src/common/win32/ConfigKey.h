#pragma once
// The module's registry key under HKEY_CURRENT_USER and the values of its `Config` subkey.
#include <string>

#include "common/win32/UniqueHandle.h"

namespace vt {

// The key's path below HKEY_CURRENT_USER.
constexpr char kConfigKeyPath[] = "Software\\Harrowmere\\Veltrane\\0.1";
constexpr char kConfigSubkey[] = "Config";

// Opens the key with full access, creating it when it is missing; empty guard when that fails.
UniqueRegistryKey OpenConfigKey();
// A string value of the `Config` subkey (opened for reading only, never created); false when
// the subkey or the value is missing or is no string.
bool ReadConfigString(HKEY key, const char* name, std::string& value);
// `Enabled`: non-zero when it holds a non-zero decimal number. Missing, empty or not a number
// counts as 0.
bool ReadEnabled(HKEY key);
// The rule ReadEnabled applies to the value's text.
bool EnabledFromText(const std::string& text);

}  // namespace vt
