#include "graphics/BmpWriter.h"

#include <fstream>
#include <stdexcept>

namespace vt {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > 65535 || image.height > 65535 ||
        image.rgba.size() != std::size_t(image.width) * std::size_t(image.height) * 4)
        throw std::invalid_argument("EncodeBmp: an empty image, or pixel data that does not match its size");
    const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixels = stride * std::uint32_t(image.height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + pixels);
    out.push_back('B');
    out.push_back('M');
    Put(out, 54 + pixels, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);
    Put(out, std::uint32_t(image.width), 4);
    Put(out, std::uint32_t(image.height), 4);  // positive: bottom-up
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);  // BI_RGB
    Put(out, pixels, 4);
    Put(out, 2835, 4);  // 72 dpi
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.Pixel(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

void SaveBmpFile(const std::string& path, const RgbaImage& image) {
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);
    std::ofstream file(path, std::ios::binary);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())) || !file.flush())
        throw std::runtime_error(path + ": cannot write the image");
}

}  // namespace vt
