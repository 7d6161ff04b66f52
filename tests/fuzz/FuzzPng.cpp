// PNG bytes, as the images of an xfwm4 theme hold them.
#include <cstddef>
#include <cstdint>

#include "graphics/PngReader.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::RgbaImage image;
    try {
        vt::ReadPng(data, size, image, "fuzz.png");
    } catch (const vt::ImageError&) {
    }
    return 0;
}
