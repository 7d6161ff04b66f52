#pragma once
// What the stand-in dwmapi.dll recorded, as the compositor tests read it.
#include <windows.h>

struct StandInCall {
    HWND window;
    DWORD attribute;
    DWORD value;  // the first four bytes asked for
};

constexpr LONG kStandInCapacity = 4096;

// The export the tests call (cdecl): the calls so far and their number.
using StandInCallsFunction = const StandInCall* (*)(LONG* count);
