#pragma once
// The registry values a controller keeps for the module (`Enabled`, `Theme` in the `Config`
// subkey of the module's key under HKEY_CURRENT_USER).
#include <optional>
#include <string>

namespace vt {

// The value's text; nothing when it (or the subkey) is missing.
std::optional<std::string> ReadControllerValue(const char* name);
// Writes the value as a string, creating the keys when missing; false when that fails.
bool WriteControllerValue(const char* name, const std::string& text);
// Removes the value; true when it is gone afterwards.
bool DeleteControllerValue(const char* name);
// Writes `text`, or removes the value for nothing.
bool SetControllerValue(const char* name, const std::optional<std::string>& text);

// Puts a value back as it was when this object was made.
class ControllerValueRestorer {
public:
    explicit ControllerValueRestorer(const char* name) : name_(name), saved_(ReadControllerValue(name)) {}
    ~ControllerValueRestorer() { SetControllerValue(name_, saved_); }
    ControllerValueRestorer(const ControllerValueRestorer&) = delete;
    ControllerValueRestorer& operator=(const ControllerValueRestorer&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

}  // namespace vt
