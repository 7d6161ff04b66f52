#include "hook/HookInstaller.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/win32/ConfigKey.h"
#include "common/win32/HookMessages.h"
#include "hook/HookProc.h"
#include "common/win32/ModuleInstance.h"
#include "hook/ModuleState.h"

namespace vt {

void InstallHook() {
    ModuleState* state = ModuleStateIfStarted();
    if (!state) return;
    state->pin.MarkController();
    // Meant to be called once, before any window here is subclassed. Called again, it must not
    // strand windows that still run our procedure: they get their own back instead of being
    // forgotten, and the hook set before is removed when the new one replaces it.
    state->registry.UnsubclassAll();
    UniqueRegistryKey key = OpenConfigKey();
    if (!key || !ReadEnabled(key.get())) return;
    if (BesideOtherBitness()) state->hookHandle.reset(SetWindowsHookExA(WH_CBT, ThreadHookStarter, ModuleInstance(), 0));
    else state->hookHandle.reset(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, ModuleInstance(), 0));
    state->controls.InstallAll();
}

void RemoveHook() {
    ModuleState* state = ModuleStateIfStarted();
    if (!state) return;
    state->registry.UnsubclassAll();
    PostMessageA(HWND_BROADCAST, Messages().unhook, 0, 0);
    state->hookHandle.reset();
    state->threadHooks.RemoveAll();
}

void GetThemeInfo(char* buffer, std::uint32_t size) {
    ModuleState* state = ModuleStateIfStarted();
    CopyThemeInfo(state ? state->Theme().ThemeInfo() : std::vector<std::string>(), buffer, size);
}

void CopyThemeInfo(const std::vector<std::string>& lines, char* buffer, std::uint32_t size) {
    std::size_t capacity = size & 0xFFFFu;
    if (!buffer || capacity == 0) return;
    std::memset(buffer, 0, capacity);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    std::memcpy(buffer, text.data(), std::min(text.size(), capacity - 1));
}

}  // namespace vt
