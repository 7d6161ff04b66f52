#pragma once
// Where the symbolic colours of imported images come from. The desktop's colour scheme is the
// system colours on Windows: the Win32 side reads them (theme/win32/WindowsSystemColours), tests
// give tables of their own. A resolver turns a theme's symbolic names into colours.
#include <array>
#include <optional>
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

// The system colours imported themes use, by their GetSysColor indexes.
enum class SystemColour : int {
    ActiveCaption = 2,
    InactiveCaption = 3,
    WindowFrame = 6,
    CaptionText = 9,
    ButtonFace = 15,
    ButtonText = 18,
    InactiveCaptionText = 19,
};
constexpr std::array<SystemColour, 7> kSystemColoursUsed = {
    SystemColour::ActiveCaption, SystemColour::InactiveCaption, SystemColour::WindowFrame, SystemColour::CaptionText,
    SystemColour::ButtonFace,    SystemColour::ButtonText,      SystemColour::InactiveCaptionText,
};

class SystemColourTable {
public:
    virtual ~SystemColourTable() = default;
    // The colour as 0x00BBGGRR.
    virtual Colour Get(SystemColour which) const = 0;
};

class SymbolicColourResolver {
public:
    virtual ~SymbolicColourResolver() = default;
    // The colour of a symbolic name; none for a name it does not know.
    virtual std::optional<Colour> Find(const std::string& name) const = 0;
};

}  // namespace vt
