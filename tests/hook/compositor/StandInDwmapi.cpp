// A stand-in dwmapi.dll for the compositor tests, loaded instead of the system's by a DLL override
// of the test program: it records what it is asked (window, attribute, value) and answers S_OK.
#include <windows.h>

#include "StandInDwmapi.h"

namespace {

StandInCall g_calls[kStandInCapacity];
LONG g_count = 0;

}  // namespace

extern "C" {

HRESULT WINAPI DwmSetWindowAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
    const LONG at = InterlockedIncrement(&g_count) - 1;
    if (at >= kStandInCapacity) return S_OK;
    DWORD word = 0;
    if (value && size >= sizeof word) word = *static_cast<const DWORD*>(value);
    g_calls[at] = StandInCall{window, attribute, word};
    return S_OK;
}

const StandInCall* StandInCalls(LONG* count) {
    if (count) *count = g_count < kStandInCapacity ? g_count : kStandInCapacity;
    return g_calls;
}

}  // extern "C"
