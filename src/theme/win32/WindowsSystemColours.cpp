#include "theme/win32/WindowsSystemColours.h"

#include <windows.h>

namespace vt {

Colour WindowsSystemColours::Get(SystemColour which) const { return Colour(GetSysColor(int(which))) & 0xFFFFFF; }

}  // namespace vt
