#pragma once
// An image with an alpha channel, as PNG files hold them: 8 bits per channel, row-major, top
// row first, four bytes a pixel in the order red, green, blue, alpha. It is never drawn itself;
// AlphaOver turns it into a Bitmap, alone or laid over another image.
#include <cstdint>
#include <vector>

namespace vt {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // width * height * 4 bytes

    const std::uint8_t* Pixel(int x, int y) const { return rgba.data() + (std::size_t(y) * width + x) * 4; }
};

}  // namespace vt
