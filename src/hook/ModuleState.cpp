#include "hook/ModuleState.h"

#include "hook/FrameWindowProc.h"

namespace vt {

ModuleState::ModuleState() : registry(exclusions, FrameWindowProc) {}

}  // namespace vt
