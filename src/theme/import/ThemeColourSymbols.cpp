#include "theme/import/ThemeColourSymbols.h"

#include "theme/ThemeState.h"

namespace vt {

std::vector<const Bitmap*> ApplySystemColours(ThemeState& state, const SystemColourTable& system) {
    std::vector<const Bitmap*> changed;
    if (!state.ColourSymbols) return changed;
    ThemeColourSymbols& symbols = *state.ColourSymbols;
    // Every skinned window of a process hears of a colour change: only the first one's call does
    // the work.
    std::array<Colour, kSystemColoursUsed.size()> now{};
    for (std::size_t i = 0; i < now.size(); ++i) now[i] = system.Get(kSystemColoursUsed[i]) & 0xFFFFFF;
    if (symbols.applied == now) return changed;
    symbols.applied = now;
    const Xfwm4Colours colours(symbols.definitions, system);
    for (SymbolicImage& image : symbols.images)
        if (image.Recolour(colours)) changed.push_back(&image.Target());
    if (symbols.captionFonts) {
        if (std::optional<Colour> c = colours.Find("active_text_color")) state.TitleFont.colour = *c;
        if (std::optional<Colour> c = colours.Find("inactive_text_color")) state.InactiveFont.colour = *c;
    }
    return changed;
}

}  // namespace vt
