// XPM text, as a kwm theme's images hold it.
#include <cstddef>
#include <cstdint>

#include "theme/XpmReader.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vt::Bitmap bitmap;
    try {
        vt::ReadXpm(data, size, bitmap, "fuzz.xpm");
    } catch (const vt::ImageError&) {
    }
    return 0;
}
