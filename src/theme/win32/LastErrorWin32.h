#pragma once
namespace vt {
// Theme load error boxes report the thread's GetLastError (done once when the module starts).
void InstallWin32LastErrorSource();
}  // namespace vt
