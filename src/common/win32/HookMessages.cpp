#include "common/win32/HookMessages.h"

namespace vt {

void HookMessages::RegisterHookMessages() {
    unhook = RegisterWindowMessageA("Veltrane Unhook");
    tick = RegisterWindowMessageA("Veltrane Tick");
    getInstance = RegisterWindowMessageA("Veltrane GetInstance");
    themeChanged = RegisterWindowMessageA("Veltrane Theme Changed");
    standDown = RegisterWindowMessageA("Veltrane Stand Down");
}

namespace {
HookMessages g_messages;  // all zero until registered; constant-initialised, so no start-up order
}  // namespace

HookMessages& Messages() { return g_messages; }

}  // namespace vt
