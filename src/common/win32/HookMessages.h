#pragma once
// The registered window messages the processes talk through ("Veltrane Repaint Message" is
// the frame engine's own, see FrameEngine::RepaintMessage). Each number comes from
// RegisterWindowMessageA of the literal name, so every process gets the same one.
#include <windows.h>

namespace vt {

struct HookMessages {
    UINT unhook = 0;
    UINT tick = 0;
    UINT getInstance = 0;
    UINT themeChanged = 0;
    UINT standDown = 0;

    // Registers the five hook messages, in this order: unhook, tick, getInstance, themeChanged,
    // standDown.
    void RegisterHookMessages();
};

// The process's message numbers (plain numbers: valid from the start on, never released).
HookMessages& Messages();

// The value the hook gives back for "Veltrane GetInstance".
constexpr LRESULT kGetInstanceAnswer = 31597;

}  // namespace vt
