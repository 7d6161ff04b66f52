#pragma once
// The X11 colour names that XPM images use ("black", "Gray31", "dark slate gray", ...).
#include <optional>
#include <string_view>

#include "graphics/Bitmap.h"

namespace vt {

// The colour of an X11 colour name, ignoring case and blanks; none for an unknown name.
std::optional<Colour> FindX11Colour(std::string_view name);
// An X colour written in hexadecimal: #RGB, #RRGGBB, #RRRGGGBBB or #RRRRGGGGBBBB, each component
// at its width and its high 8 bits kept (#F00 is 0xF0 red, as X reads it); none when malformed.
std::optional<Colour> ParseHashColour(std::string_view text);
// X's rgb:R/G/B form, each component one to four hexadecimal digits scaled to 8 bits
// (rgb:F/F/F is white); none when malformed.
std::optional<Colour> ParseRgbColour(std::string_view text);
// Any of the three: #..., rgb:..., or a colour name.
std::optional<Colour> ParseXColour(std::string_view text);

}  // namespace vt
