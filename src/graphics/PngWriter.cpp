#include "graphics/PngWriter.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <zlib.h>

#include "graphics/Bitmap.h"

namespace vt {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kRgba = 6;

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.insert(out.end(), {std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
}

// A chunk: length, type, data, and the CRC-32 of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
    PutBe32(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, out.data() + typeAt, uInt(out.size() - typeAt));
    PutBe32(out, std::uint32_t(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbaImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.width > Bitmap::kMaxSide || image.height > Bitmap::kMaxSide ||
        std::int64_t(image.width) * image.height > Bitmap::kMaxPixels)
        throw std::invalid_argument("PNG size out of range: " + std::to_string(image.width) + "x" +
                                    std::to_string(image.height));
    const std::size_t rowBytes = std::size_t(image.width) * 4;
    if (image.rgba.size() != rowBytes * std::size_t(image.height))
        throw std::invalid_argument("PNG pixel data does not match the image size");

    // Each row is its filter byte (0: none) and then its pixels.
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        const std::uint8_t* row = image.rgba.data() + rowBytes * std::size_t(y);
        raw.insert(raw.end(), row, row + rowBytes);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG: deflate failed");
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    PutBe32(header, std::uint32_t(image.width));
    PutBe32(header, std::uint32_t(image.height));
    header.insert(header.end(), {8, kRgba, 0, 0, 0});  // depth, colour type, compression, filter, interlace

    std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

void SavePngFile(const std::string& path, const RgbaImage& image) {
    const std::vector<std::uint8_t> bytes = EncodePng(image);
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw std::runtime_error(path + ": cannot be created");
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    if (std::fclose(file.release()) != 0 || !written) throw std::runtime_error(path + ": cannot be written");
}

}  // namespace vt
