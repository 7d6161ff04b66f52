#pragma once
// The X11 colour names that XPM images use ("black", "Gray31", "dark slate gray", ...).
#include <optional>
#include <string_view>

#include "graphics/Bitmap.h"

namespace vt {

// The colour of an X11 colour name, ignoring case and blanks; none for an unknown name.
std::optional<Colour> FindX11Colour(std::string_view name);

}  // namespace vt
