#pragma once
// Everything the hook part of the module keeps per process. It exists from the module's start in
// the process to its end.
#include <windows.h>

#include <cstdint>

#include "common/win32/UniqueHandle.h"
#include "hook/ExclusionLists.h"
#include "hook/SharedArea.h"
#include "hook/SubclassRegistry.h"

namespace vt {

struct ModuleState {
    ModuleState();

    ExclusionLists exclusions;
    SharedArea sharedArea;
    SubclassRegistry registry;  // uses `exclusions`, declared before it
    UniqueHook hookHandle;      // set by InstallHook, in the controller's process only
    std::int32_t lastThemeId = -1;
};

// Null until the start has run in this process, and again once its end is done (see
// ModuleLifecycle.h).
ModuleState* ModuleStateIfStarted();

// The shared area of the process: the first call opens it, later calls return the same view.
// Null when it cannot be had, and before the start has made the state.
unsigned char* OpenSharedArea();
void CloseSharedArea();

}  // namespace vt
