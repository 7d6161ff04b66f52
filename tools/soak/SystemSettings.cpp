#include "SystemSettings.h"

namespace vt::soak {
namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kDebuggerKey[] = "Software\\Wine\\WineDbg";

bool ReadDword(const char* key, const char* name, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
}
void WriteDword(const char* key, const char* name, DWORD value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) return;
    RegSetValueExA(k, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(k);
}
void Restore(const char* key, const char* name, bool had, DWORD value) {
    if (had) WriteDword(key, name, value);
    else RegDeleteKeyValueA(HKEY_CURRENT_USER, key, name);
}

}  // namespace

SystemSettings::SystemSettings()
    : elements_{COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_CAPTIONTEXT, COLOR_INACTIVECAPTIONTEXT,
                COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOWFRAME, COLOR_MENU, COLOR_MENUTEXT, COLOR_HIGHLIGHT} {
    for (int e : elements_) colours_.push_back(GetSysColor(e));
    hadDpi_ = ReadDword(kDesktopKey, "LogPixels", dpi_);
    hadCrashDialog_ = ReadDword(kDebuggerKey, "ShowCrashDialog", crashDialog_);
    // A crash ends the program (and is counted) instead of waiting for a person in Wine's dialog.
    WriteDword(kDebuggerKey, "ShowCrashDialog", 0);
}

SystemSettings::~SystemSettings() {
    SetSysColors(int(elements_.size()), elements_.data(), colours_.data());
    Restore(kDesktopKey, "LogPixels", hadDpi_, dpi_);
    Restore(kDebuggerKey, "ShowCrashDialog", hadCrashDialog_, crashDialog_);
}

void SystemSettings::RandomColourScheme(SoakRandom& random) {
    std::vector<COLORREF> colours;
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        colours.push_back(RGB(random.Below(256), random.Below(256), random.Below(256)));
    }
    SetSysColors(int(elements_.size()), elements_.data(), colours.data());
}

void SystemSettings::SetScale(DWORD dpi) { WriteDword(kDesktopKey, "LogPixels", dpi); }

void SystemSettings::UseOriginalScale() { Restore(kDesktopKey, "LogPixels", hadDpi_, dpi_); }

}  // namespace vt::soak
