#pragma once
// Where this module lives: its instance handle (recorded when the loader maps it) and the names
// derived from it.
#include <windows.h>

#include <string>

namespace vt {

void SetModuleInstance(HINSTANCE instance);
// The module's own instance; the executable's when the code is linked into a program (tests).
HINSTANCE ModuleInstance();

// The full path of a loaded module (null: the process's executable); empty when it is unknown.
std::string ModuleFileName(HMODULE module);
// The folder of this module's file with a trailing backslash (empty when unknown).
std::string ModuleFolder();

}  // namespace vt
