// A kwm themerc next to the kde1 theme's XPM images.
#include "ThemeFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::fuzz::LoadThemeInput("tests/theme/data/kwm/kde1", "themerc", data, size);
    return 0;
}
