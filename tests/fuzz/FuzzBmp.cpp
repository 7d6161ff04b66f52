// BMP bytes, as a theme's [IMAGES] file would hold them.
#include <cstddef>
#include <cstdint>

#include "graphics/BmpReader.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::Bitmap bitmap;
    try {
        vt::ReadBmp(data, size, bitmap, "fuzz.bmp");
    } catch (const vt::ImageError&) {
    }
    return 0;
}
