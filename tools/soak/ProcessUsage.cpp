#include "ProcessUsage.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

namespace vt::soak {
namespace {

// One row of the GDI handle table (the layout Windows and Wine share): a live handle has a type.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t extType;
    std::uint8_t type;
    std::uint8_t unique;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the table's rows are 24 bytes");
constexpr std::size_t kGdiHandleCount = 0x10000;

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

std::int64_t CountGdiHandles(HANDLE process) {
    static const auto query = reinterpret_cast<QueryInformationProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    // GdiSharedHandleTable: 0x94 into a 32-bit PEB, 0xF8 into a 64-bit one (a process of our own bitness).
    const std::size_t offset = sizeof(void*) == 4 ? 0x94 : 0xF8;
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + offset, &table, sizeof table, &read) ||
        !table) {
        return -1;
    }
    static std::vector<GdiHandleEntry> rows(kGdiHandleCount);
    if (!ReadProcessMemory(process, table, rows.data(), rows.size() * sizeof(GdiHandleEntry), &read)) return -1;
    std::int64_t live = 0;
    for (std::size_t i = 0; i < read / sizeof(GdiHandleEntry); ++i) live += rows[i].type != 0;
    return live;
}

struct WindowCount {
    DWORD processId;
    std::int64_t count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    c->count += owner == c->processId;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != c->processId) return TRUE;
    ++c->count;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

std::int64_t CountWindows(DWORD processId) {
    WindowCount c{processId, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

}  // namespace

ProcessUsage ReadProcessUsage(HANDLE process, DWORD processId) {
    ProcessUsage usage;
    SetLastError(0);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    if (gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        usage.gdiObjects = CountGdiHandles(process);
        usage.userObjects = CountWindows(processId);
    } else {
        usage.gdiObjects = gdi;
        usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        usage.privateBytes = std::int64_t(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    }
    return usage;
}

}  // namespace vt::soak
