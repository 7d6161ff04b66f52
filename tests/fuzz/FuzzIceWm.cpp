// An IceWM theme file next to the alder theme's XPM and PNG images.
#include "ThemeFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::fuzz::LoadThemeInput("tests/theme/data/icewm/alder", "default.theme", data, size);
    return 0;
}
