#include "hook/ModulePin.h"

#include <windows.h>

#include "common/win32/ModuleInstance.h"

namespace vt {

void ModulePin::Hold() {
    if (controller_.load(std::memory_order_relaxed) || held_.exchange(true)) return;
    HMODULE pinned = nullptr;
    // The module's base address lies inside its image; a pinned module holds no count to give
    // back, so nothing is released later.
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                            reinterpret_cast<LPCSTR>(ModuleInstance()), &pinned))
        held_.store(false);
}

}  // namespace vt
