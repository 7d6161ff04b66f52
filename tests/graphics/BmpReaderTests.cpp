#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "graphics/BmpReader.h"

namespace vt {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP with a 40-byte info header (or a larger one, masks inside); masks follow a 40-byte header.
struct BmpSpec {
    int width = 1;
    int height = 1;  // negative: top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB, written as RGBQUAD
    std::vector<std::uint32_t> masks;
    std::uint32_t headerSize = 40;
    Bytes pixels;
};

Bytes MakeBmp(const BmpSpec& s) {
    Bytes header;
    Put32(header, s.headerSize);
    Put32(header, std::uint32_t(s.width));
    Put32(header, std::uint32_t(s.height));
    Put16(header, 1);
    Put16(header, std::uint32_t(s.bitCount));
    Put32(header, s.compression);
    Put32(header, std::uint32_t(s.pixels.size()));
    Put32(header, 0);
    Put32(header, 0);
    Put32(header, s.coloursUsed);
    Put32(header, 0);
    for (std::uint32_t m : s.masks) Put32(header, m);
    while (header.size() < s.headerSize) header.push_back(0);
    for (std::uint32_t c : s.palette) Put32(header, c);
    Bytes file{'B', 'M'};
    Put32(file, std::uint32_t(14 + header.size() + s.pixels.size()));
    Put32(file, 0);
    Put32(file, std::uint32_t(14 + header.size()));
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), s.pixels.begin(), s.pixels.end());
    return file;
}

Bitmap Read(const Bytes& file) {
    Bitmap b;
    ReadBmp(file.data(), file.size(), b, "test.bmp");
    return b;
}

std::string ErrorOf(const Bytes& file) {
    try {
        Read(file);
    } catch (const ImageError& e) {
        return e.what();
    }
    return "(no error)";
}

// Rows top first, as the bitmap holds them.
std::vector<std::vector<Colour>> RowsOf(const Bitmap& b) {
    std::vector<std::vector<Colour>> rows(b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) rows[y].push_back(b.GetPixel(x, y));
    return rows;
}

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
const std::vector<std::uint32_t> kPalette4 = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};  // red green blue white

TEST(BmpReader, ChannelMasksOfAnyWidthKeepBlackAndFullIntensity) {
    struct Row {
        const char* what;
        int bitCount;
        std::vector<std::uint32_t> masks;
        std::uint32_t pixel;
        Colour expected;
    };
    const Row rows[] = {
        {"5-6-5 white", 16, {0xF800, 0x07E0, 0x001F}, 0xFFFF, kWhite},
        {"5-6-5 lowest steps", 16, {0xF800, 0x07E0, 0x001F}, 0x0821, MakeColour(8, 4, 8)},
        {"5-6-5 middle", 16, {0xF800, 0x07E0, 0x001F}, 0x8410, MakeColour(0x84, 0x82, 0x84)},
        {"4-4-4 full and half", 16, {0x0F00, 0x00F0, 0x000F}, 0x0F80, MakeColour(0xFF, 0x88, 0)},
        {"1-bit channels", 16, {0x4, 0x2, 0x1}, 0x5, MakeColour(0xFF, 0, 0xFF)},
        {"blue in the high bits", 16, {0x001F, 0x07E0, 0xF800}, 0xF800, kBlue},
        {"10-10-10", 32, {0x3FF00000, 0x000FFC00, 0x000003FF}, (0x3FFu << 20) | (0x200u << 10) | 0x3, MakeColour(0xFF, 0x80, 0)},
        {"no green mask", 32, {0xFF0000, 0, 0xFF}, 0xFFFFFF, MakeColour(0xFF, 0, 0xFF)},
        {"x-b-g-r", 32, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0x00123456, MakeColour(0x56, 0x34, 0x12)},
    };
    for (const Row& r : rows) {
        BmpSpec s;
        s.bitCount = r.bitCount;
        s.compression = 3;
        s.masks = r.masks;
        Put32(s.pixels, r.pixel);
        if (r.bitCount == 16) s.pixels.resize(4);
        Bitmap b = Read(MakeBmp(s));
        EXPECT_EQ(b.GetPixel(0, 0), r.expected) << r.what;
    }
}

TEST(BmpReader, RowOrderFollowsTheSignOfTheHeight) {
    for (int height : {2, -2}) {
        BmpSpec s;
        s.width = 1;
        s.height = height;
        s.bitCount = 8;
        s.palette = kPalette4;
        s.pixels = {0, 0, 0, 0, 1, 0, 0, 0};  // file rows: red, then green
        Bitmap b = Read(MakeBmp(s));
        Colour top = height > 0 ? kGreen : kRed;
        EXPECT_EQ(b.GetPixel(0, 0), top) << "height " << height;
    }
}

TEST(BmpReader, RunLengthEscapes) {
    struct Row {
        const char* what;
        int bitCount;
        int width, height;
        Bytes data;
        std::vector<std::vector<Colour>> expected;  // top row first
    };
    const Colour R = kRed, G = kGreen, B = kBlue, W = kWhite;
    const Row rows[] = {
        {"RLE8 run, end of line, early end of bitmap leaves colour 0", 8, 3, 2, {3, 1, 0, 0, 0, 1},
         {{R, R, R}, {G, G, G}}},
        {"RLE8 move right and up", 8, 3, 2, {1, 2, 0, 2, 1, 1, 1, 3, 0, 1}, {{R, R, W}, {B, R, R}}},
        {"RLE8 literal run of odd length is padded", 8, 3, 2, {0, 3, 1, 2, 3, 0, 0, 0, 2, 2, 0, 1},
         {{B, B, R}, {G, B, W}}},
        {"RLE8 run past the row end is clipped", 8, 2, 2, {9, 3, 0, 0, 1, 1, 0, 1}, {{G, R}, {W, W}}},
        {"RLE4 run alternates its two nibbles", 4, 3, 1, {3, 0x12, 0, 1}, {{G, B, G}}},
        {"RLE4 literal run of three", 4, 3, 1, {0, 3, 0x32, 0x10, 0, 1}, {{W, B, G}}},
        {"move past the top row ends the image", 8, 2, 1, {0, 2, 0, 5, 2, 3, 0, 1}, {{R, R}}},
    };
    for (const Row& r : rows) {
        BmpSpec s;
        s.width = r.width;
        s.height = r.height;
        s.bitCount = r.bitCount;
        s.compression = r.bitCount == 8 ? 1 : 2;
        s.palette = kPalette4;
        s.coloursUsed = 4;
        s.pixels = r.data;
        Bitmap b = Read(MakeBmp(s));
        EXPECT_EQ(RowsOf(b), r.expected) << r.what;
    }
}

TEST(BmpReader, ShortPalettes) {
    // Two colours said by "colours used"; then the same palette with "colours used" 0 and only
    // the pixel data offset telling how long the palette is.
    for (std::uint32_t used : {2u, 0u}) {
        BmpSpec s;
        s.width = 2;
        s.bitCount = 8;
        s.coloursUsed = used;
        s.palette = {0xFF0000, 0x0000FF};
        s.pixels = {1, 0, 0, 0};
        Bitmap b = Read(MakeBmp(s));
        EXPECT_EQ(b.GetPixel(0, 0), kBlue) << "colours used " << used;
        EXPECT_EQ(b.GetPixel(1, 0), kRed) << "colours used " << used;
        s.pixels = {1, 2, 0, 0};
        EXPECT_NE(ErrorOf(MakeBmp(s)).find("palette index 2 at pixel (1, 0) is past the 2-colour palette"), std::string::npos)
            << "colours used " << used;
    }
}

TEST(BmpReader, CoreHeaderWithThreeBytePalette) {
    Bytes file{'B', 'M'};
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, 14 + 12 + 6);
    Put32(file, 12);
    Put16(file, 3);  // width
    Put16(file, 1);  // height
    Put16(file, 1);
    Put16(file, 4);
    for (std::uint8_t c : {0, 0, 255, 255, 0, 0}) file.push_back(c);  // red, blue (B G R)
    for (std::uint8_t c : {0x01, 0x10, 0, 0}) file.push_back(c);
    Bitmap b = Read(file);
    EXPECT_EQ(RowsOf(b), (std::vector<std::vector<Colour>>{{kRed, kBlue, kBlue}}));
}

TEST(BmpReader, BadInputNamesTheFileAndTheFault) {
    struct Row {
        const char* what;
        Bytes file;
        const char* message;
    };
    BmpSpec huge;
    huge.width = 100000;
    huge.height = 100000;
    BmpSpec sideways;
    sideways.width = Bitmap::kMaxSide + 1;
    BmpSpec truncated;
    truncated.width = 3;
    truncated.height = 2;
    truncated.pixels.resize(12);
    BmpSpec noEnd;
    noEnd.bitCount = 8;
    noEnd.compression = 1;
    noEnd.palette = kPalette4;
    noEnd.pixels = {1, 1, 0, 0};
    noEnd.height = 2;
    BmpSpec mask;
    mask.bitCount = 32;
    mask.compression = 3;
    mask.masks = {0xF0F000, 0xFF, 0xF00};
    mask.pixels.resize(4);
    BmpSpec rleDepth;
    rleDepth.compression = 2;
    rleDepth.pixels.resize(4);
    const Row rows[] = {
        {"huge", MakeBmp(huge), "test.bmp: image of 100000x100000 pixels is too large"},
        {"wider than a side may be", MakeBmp(sideways), "is too large"},
        {"truncated pixels", MakeBmp(truncated), "test.bmp: truncated pixel data (21 bytes needed"},
        {"RLE without end", MakeBmp(noEnd), "test.bmp: truncated RLE data"},
        {"scattered mask", MakeBmp(mask), "test.bmp: colour mask 0xF0F000 is not one run of bits"},
        {"RLE4 at 24 bits", MakeBmp(rleDepth), "test.bmp: RLE4 compression with 24 bits per pixel"},
        {"empty", {}, "test.bmp: too short to be a BMP file (0 bytes)"},
        {"not a BMP", {'P', '6', '\n', '1', ' ', '1', '\n', '2', '5', '5', '\n', 0, 0, 0, 0, 0, 0, 0}, "no \"BM\" signature"},
    };
    for (const Row& r : rows) EXPECT_NE(ErrorOf(r.file).find(r.message), std::string::npos) << r.what << ": " << ErrorOf(r.file);
}

TEST(BmpReader, FailedReadLeavesTheBitmapAsItWas) {
    Bitmap b;
    b.SetSize(2, 2);
    b.SetPixel(1, 1, kGreen);
    BmpSpec s;
    s.width = 4;
    s.pixels.resize(3);  // one pixel of four
    EXPECT_THROW(ReadBmp(MakeBmp(s).data(), MakeBmp(s).size(), b, "x.bmp"), ImageError);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.GetPixel(1, 1), kGreen);
}

TEST(BmpReader, MissingFileNamesThePath) {
    Bitmap b;
    try {
        LoadBmpFile("/nonexistent/frame.bmp", b);
        FAIL() << "no error";
    } catch (const ImageError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("/nonexistent/frame.bmp: cannot open the file", 0), 0u) << e.what();
    }
}

// Every file of the malformed corpus is rejected with an error naming it, or read safely; the
// table says which, and with what message.
TEST(BmpReader, MalformedCorpus) {
    const std::map<std::string, std::string> expected = {
        {"huge-100000x100000.bmp", "too large"},
        {"huge-side-20000x1.bmp", "too large"},
        {"too-many-pixels-16384x16384.bmp", "too large"},
        {"height-int-min.bmp", "too large"},
        {"zero-width.bmp", "invalid image size 0x4"},
        {"negative-width.bmp", "invalid image size -4x4"},
        {"empty.bmp", "too short"},
        {"signature-only.bmp", "too short"},
        {"truncated-header.bmp", "truncated header"},
        {"truncated-palette.bmp", "truncated palette"},
        {"truncated-pixels.bmp", "truncated pixel data"},
        {"truncated-masks.bmp", "truncated colour masks"},
        {"rle8-no-end.bmp", "truncated RLE data (no end-of-bitmap marker)"},
        {"rle8-literal-past-end.bmp", "truncated RLE data (literal run)"},
        {"rle8-literal-one-short.bmp", "truncated RLE data (literal run)"},
        {"rle4-literal-one-short.bmp", "truncated RLE data (literal run)"},
        {"rle4-delta-cut.bmp", "truncated RLE data (delta escape)"},
        {"offset-past-end.bmp", "pixel data offset 100000 is past the end of the file"},
        {"offset-inside-header.bmp", "pixel data offset 20 lies inside the headers"},
        {"index-past-palette.bmp", "palette index 5 at pixel (2, 0) is past the 2-colour palette"},
        {"rle8-index-past-palette.bmp", "palette index 9 at pixel (2, 0)"},
        {"core-index-past-short-palette.bmp", "palette index 2 at pixel (2, 0) is past the 2-colour palette"},
        {"not-a-bmp.bmp", "not a BMP file"},
        {"header-size-200.bmp", "unsupported header size 200"},
        {"bpp-0.bmp", "unsupported format: 0 bits per pixel"},
        {"bpp-64.bmp", "unsupported format: 64 bits per pixel"},
        {"core-16bpp.bmp", "unsupported format: 16 bits per pixel"},
        {"rle8-with-24bpp.bmp", "RLE8 compression with 24 bits per pixel"},
        {"bitfields-24bpp.bmp", "bit-field compression with 24 bits per pixel"},
        {"bitfields-scattered-mask.bmp", "not one run of bits"},
        {"bitfields-wide-16bit-mask.bmp", "wider than 16 bits"},
        {"embedded-jpeg.bmp", "JPEG and PNG images are not supported"},
        {"compression-99.bmp", "unknown compression 99"},
        {"os2-huffman.bmp", "Huffman"},
        {"rle8-runs-past-row-and-top.bmp", ""},
        {"rle4-many-deltas.bmp", ""},
        {"colours-used-huge.bmp", ""},
        {"last-row-unpadded.bmp", ""},
        {"no-pixel-offset.bmp", ""},
    };
    const std::filesystem::path folder = std::filesystem::path(VT_SOURCE_DIR) / "tests/graphics/data/malformed";
    std::size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".bmp") continue;
        ++seen;
        std::string error;
        Bitmap b;
        try {
            LoadBmpFile(entry.path().string(), b);
        } catch (const ImageError& e) {
            error = e.what();
        }
        auto row = expected.find(name);
        if (row == expected.end()) {  // a new file: it only has to be handled cleanly
            EXPECT_TRUE(error.empty() || error.find(name) != std::string::npos) << name << ": " << error;
            continue;
        }
        if (row->second.empty()) {
            EXPECT_EQ(error, "") << name;
            EXPECT_FALSE(b.Empty()) << name;
        } else {
            EXPECT_NE(error.find(name + ": "), std::string::npos) << name << ": " << error;
            EXPECT_NE(error.find(row->second), std::string::npos) << name << ": " << error;
        }
    }
    EXPECT_GE(seen, expected.size()) << "malformed corpus incomplete: run tests/graphics/data/make_malformed_images.py";
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// Damaged copies of the peer images (bytes of the headers, palettes and run-length data
// changed, files cut short) are read or rejected with an ImageError, nothing else.
TEST(BmpReader, DamagedFilesFailCleanly) {
    const char* files[] = {"info-8", "info-rle4", "info-rle8-delta", "core-4", "v5-565", "info-32-101010"};
    std::uint32_t seed = 12345;
    auto random = [&seed](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % below;
    };
    int rejected = 0, read = 0;
    for (const char* name : files) {
        const std::string path = std::string(VT_SOURCE_DIR) + "/tests/graphics/data/peer/" + name + ".bmp";
        std::FILE* f = std::fopen(path.c_str(), "rb");
        ASSERT_NE(f, nullptr) << path;
        Bytes original(1 << 16);
        original.resize(std::fread(original.data(), 1, original.size(), f));
        std::fclose(f);
        for (int round = 0; round < 400; ++round) {
            Bytes damaged = original;
            const int changes = 1 + int(random(4));
            for (int i = 0; i < changes; ++i) {
                // Mostly the headers and palette, where sizes and offsets live; sometimes anywhere.
                std::uint32_t at = random(4) ? random(std::uint32_t(std::min<std::size_t>(damaged.size(), 160)))
                                             : random(std::uint32_t(damaged.size()));
                damaged[at] = std::uint8_t(random(4) ? random(256) : (random(2) ? 0xFF : 0));
            }
            if (random(4) == 0) damaged.resize(random(std::uint32_t(damaged.size())));
            Bitmap b;
            try {
                ReadBmp(damaged.data(), damaged.size(), b, "damaged.bmp");
                ++read;
            } catch (const ImageError& e) {
                ++rejected;
                EXPECT_EQ(std::string(e.what()).rfind("damaged.bmp: ", 0), 0u) << e.what();
            }
        }
    }
    EXPECT_GT(rejected, 0);
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace vt
