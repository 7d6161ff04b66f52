#pragma once
// Counting a process's GDI objects, for the tests that prove nothing leaks.
#include <windows.h>

namespace vt::test {

// The process's live GDI objects. Wine reports no count, but there a handle's low word indexes
// one per-process table and a zero high word names whatever lives at that index, so they can be
// counted; 0 when neither works.
inline DWORD LiveGdiObjects() {
    DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0) return n;
    for (UINT_PTR i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0) ++n;
    return n;
}

}  // namespace vt::test
