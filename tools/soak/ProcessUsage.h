#pragma once
// What a process holds: GDI objects, user objects (GetGuiResources) and private memory.
// Wine has no GetGuiResources (it fails with ERROR_CALL_NOT_IMPLEMENTED): there the GDI objects
// are counted in the process's own GDI handle table (the PEB's GdiSharedHandleTable, which Wine
// fills as Windows does) and the user objects are its windows; private memory is its committed
// private bytes (PagefileUsage, where Wine leaves PrivateUsage at 0).
#include <windows.h>

#include <cstdint>

namespace vt::soak {

struct ProcessUsage {
    std::int64_t gdiObjects = -1;   // -1: could not be read
    std::int64_t userObjects = -1;
    std::int64_t privateBytes = -1;
};

ProcessUsage ReadProcessUsage(HANDLE process, DWORD processId);

}  // namespace vt::soak
