// An xfwm4 themerc next to the juniper theme's XPM and PNG images.
#include "ThemeFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::fuzz::LoadThemeInput("tests/theme/data/xfwm4/juniper", "themerc", data, size);
    return 0;
}
