// Our BMP reader against a real peer: tests/graphics/data/make_peer_images.sh wrote one picture
// in every format we read, each beside ImageMagick's decoding of that same file as PPM. Our
// pixels must equal ImageMagick's exactly.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/BmpReader.h"

namespace vt {
namespace {

const std::string kPeer = std::string(VT_SOURCE_DIR) + "/tests/graphics/data/peer/";

std::vector<std::uint8_t> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

// A binary PPM as ImageMagick writes it at 16 bits per channel: "P6\n<w> <h>\n65535\n" and
// big-endian RGB triples, each channel rounded to 8 bits here.
bool ReadPpm(const std::string& path, int& w, int& h, std::vector<Colour>& pixels) {
    std::vector<std::uint8_t> bytes = Slurp(path);
    int maxValue = 0, used = 0;
    std::string head(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 64));
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", &w, &h, &maxValue, &used) != 3 || maxValue != 65535) return false;
    std::size_t at = std::size_t(used) + 1;
    if (bytes.size() < at + std::size_t(w) * h * 6) return false;
    auto channel = [&](std::size_t i) { return ((unsigned(bytes[i]) << 8 | bytes[i + 1]) * 255u + 32767u) / 65535u; };
    pixels.clear();
    for (int i = 0; i < w * h; ++i, at += 6) pixels.push_back(MakeColour(channel(at), channel(at + 2), channel(at + 4)));
    return true;
}

TEST(BmpPeer, PixelsEqualImageMagicksDecoding) {
    // The format each file must be in, so that a change in the generator cannot silently drop
    // one: header size, bits per pixel, compression, top-down.
    struct Row {
        const char* file;
        std::uint32_t header;
        int bits;
        std::uint32_t compression;
        bool topDown;
    };
    const Row rows[] = {
        {"core-1", 12, 1, 0, false},           {"core-4", 12, 4, 0, false},
        {"core-8", 12, 8, 0, false},           {"core-24", 12, 24, 0, false},
        {"info-1", 40, 1, 0, false},           {"info-4", 40, 4, 0, false},
        {"info-4-short", 40, 4, 0, false},     {"info-8", 40, 8, 0, false},
        {"info-8-short", 40, 8, 0, false},     {"info-8-short-offset", 40, 8, 0, false},
        {"info-8-topdown", 40, 8, 0, true},    {"info-16", 40, 16, 0, false},
        {"info-24", 40, 24, 0, false},         {"info-24-topdown", 40, 24, 0, true},
        {"info-32", 40, 32, 0, false},         {"info-32-101010", 40, 32, 3, false},
        {"info-565", 40, 16, 3, false},        {"info-rle4", 40, 4, 2, false},
        {"info-rle8", 40, 8, 1, false},        {"info-rle8-delta", 40, 8, 1, false},
        {"v2-565", 52, 16, 3, false},          {"v3-565", 56, 16, 3, false},
        {"v4-565", 108, 16, 3, false},         {"v4-24", 108, 24, 0, false},
        {"v5-24", 124, 24, 0, false},          {"v5-555", 124, 16, 3, false},
        {"v5-565", 124, 16, 3, false},         {"v5-1555", 124, 16, 3, false},
        {"v5-8888", 124, 32, 3, false},        {"v5-rle8", 124, 8, 1, false},
    };
    for (const Row& r : rows) {
        const std::string bmp = kPeer + r.file + ".bmp";
        std::vector<std::uint8_t> bytes = Slurp(bmp);
        ASSERT_GT(bytes.size(), 30u) << r.file << ": missing; run tests/graphics/data/make_peer_images.sh";
        const std::uint32_t header = Le(bytes, 14, 4);
        EXPECT_EQ(header, r.header) << r.file;
        if (header == 12) {
            EXPECT_EQ(int(Le(bytes, 24, 2)), r.bits) << r.file;
        } else {
            EXPECT_EQ(int(Le(bytes, 28, 2)), r.bits) << r.file;
            EXPECT_EQ(Le(bytes, 30, 4), r.compression) << r.file;
            EXPECT_EQ(std::int32_t(Le(bytes, 22, 4)) < 0, r.topDown) << r.file;
        }

        int w = 0, h = 0;
        std::vector<Colour> expected;
        ASSERT_TRUE(ReadPpm(kPeer + r.file + ".ppm", w, h, expected)) << r.file;
        Bitmap b;
        ASSERT_NO_THROW(LoadBmpFile(bmp, b)) << r.file;
        ASSERT_EQ(b.Width(), w) << r.file;
        ASSERT_EQ(b.Height(), h) << r.file;
        int mismatches = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                Colour ours = b.GetPixel(x, y), theirs = expected[std::size_t(y) * w + x];
                if (ours != theirs && ++mismatches <= 3)
                    ADD_FAILURE() << r.file << " pixel (" << x << ", " << y << "): ours 0x" << std::hex << ours
                                  << ", ImageMagick's 0x" << theirs;
            }
        }
        EXPECT_EQ(mismatches, 0) << r.file;
    }
}

}  // namespace
}  // namespace vt
