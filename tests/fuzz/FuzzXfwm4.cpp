// An xfwm4 themerc next to the juniper theme's XPM and PNG images, drawn in the system colours of
// a fixed scheme afterwards (the themerc may give the symbolic names values of its own).
#include "ThemeFuzzTarget.h"
#include "theme/import/ThemeColourSymbols.h"

namespace {

struct FixedScheme : vt::SystemColourTable {
    vt::Colour Get(vt::SystemColour which) const override { return 0x203040u * vt::Colour(which); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::fuzz::LoadThemeInput("tests/theme/data/xfwm4/juniper", "themerc", data, size,
                             [](vt::ThemeState& state) { vt::ApplySystemColours(state, FixedScheme{}); });
    return 0;
}
