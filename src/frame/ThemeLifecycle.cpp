#include "frame/ThemeLifecycle.h"

#include "hook/HookMessages.h"

namespace vt {

void StartFrameEngine() {
    LoadTheme();
    Messages().RegisterRepaintMessage();
}

void EndFrameEngine() { UnloadTheme(); }

void LoadTheme() {}

void UnloadTheme() {}

bool ThemePinned() { return false; }

const std::vector<std::string>& ThemeInfoLines() {
    static const std::vector<std::string> none;
    return none;
}

}  // namespace vt
