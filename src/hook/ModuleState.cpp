#include "hook/ModuleState.h"

#include "hook/FrameWindowProc.h"

namespace vt {

ModuleState::ModuleState()
    : sharedArea(ProcessSharedArea()), registry(exclusions, FrameWindowProc), frame(std::make_unique<FrameEngine>()) {}

}  // namespace vt
