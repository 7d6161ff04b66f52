#pragma once
// The desktop's colour scheme as imported themes see it: the system colours, read when asked.
#include "theme/import/SymbolicColours.h"

namespace vt {

class WindowsSystemColours final : public SystemColourTable {
public:
    Colour Get(SystemColour which) const override;
};

}  // namespace vt
