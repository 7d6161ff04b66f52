#include "theme/win32/LastErrorWin32.h"

#include <windows.h>

#include "theme/ThemeErrors.h"

namespace vt {
namespace {

unsigned long ThreadLastError() { return GetLastError(); }

}  // namespace

void InstallWin32LastErrorSource() { SetLastErrorSource(ThreadLastError); }

}  // namespace vt
