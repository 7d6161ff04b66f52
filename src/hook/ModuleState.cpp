#include "hook/ModuleState.h"

#include "frame/win32/NullFrameEngine.h"
#include "hook/FrameWindowProc.h"

namespace vt {

ModuleState::ModuleState()
    : sharedArea(ProcessSharedArea()), registry(exclusions, FrameWindowProc), frame(std::make_unique<NullFrameEngine>()) {
    registry.OnFrameReturned([this](HWND window) { compositor.GiveFrameBack(window); });
}

}  // namespace vt
