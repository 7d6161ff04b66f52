// A native theme file with its [CODE] run by the script engine, next to the slate theme's images.
#include "ThemeFuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::fuzz::LoadThemeInput("tests/theme/data/native/slate", "fuzz.theme", data, size);
    return 0;
}
