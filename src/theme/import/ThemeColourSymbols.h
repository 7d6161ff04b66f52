#pragma once
// What of an imported theme follows the desktop's colour scheme: the images with symbolic
// colours, the theme's own values for the names, and whether the caption fonts take their
// colours from the names too. A load only records these (the images keep the colours their
// files give); applying system colours recolours them, which the Win32 side does after every load
// and whenever the user changes the colour scheme.
#include <array>
#include <optional>
#include <vector>

#include "graphics/Bitmap.h"
#include "theme/import/SymbolicColours.h"
#include "theme/import/SymbolicImage.h"
#include "theme/xfwm4/Xfwm4Colours.h"

namespace vt {

struct ThemeState;

struct ThemeColourSymbols {
    ThemeColourDefinitions definitions;
    std::vector<SymbolicImage> images;
    // The title and inactive fonts take active_text_color and inactive_text_color.
    bool captionFonts = false;
    // The system colours applied last (none before the first application).
    std::optional<std::array<Colour, kSystemColoursUsed.size()>> applied;
};

// Recolours the theme's symbolic images and caption fonts from the system colours, unless these
// are the colours applied last. Returns the bitmaps whose pixels changed: whoever keeps other
// forms of them (GDI bitmaps) must drop those. Nothing happens for a theme without symbols.
std::vector<const Bitmap*> ApplySystemColours(ThemeState& state, const SystemColourTable& system);

}  // namespace vt
