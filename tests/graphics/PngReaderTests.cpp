// Our PNG decoder against a real peer: tests/graphics/data/make_png_images.py wrote one picture
// in every colour type, depth, interlace and filter, each beside ImageMagick's decoding of that
// same file as 16-bit RGBA. Our pixels must equal ImageMagick's samples, rounded to 8 bits. Damaged files of the
// malformed/ corpus must each give a clear error that names the file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/PngReader.h"

namespace vt {
namespace {

const std::string kData = std::string(VT_SOURCE_DIR) + "/tests/graphics/data/png/";

std::vector<std::uint8_t> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PngPeer, PixelsEqualImageMagicksDecoding) {
    // What each file must be (IHDR's depth, colour type, interlace), so that a change in the
    // generator cannot silently drop a form.
    struct Row {
        const char* file;
        int depth;
        int colourType;
        bool interlaced;
    };
    const Row rows[] = {
        {"grey-1", 1, 0, false},          {"grey-2", 2, 0, false},           {"grey-4", 4, 0, false},
        {"grey-8", 8, 0, false},          {"grey-16", 16, 0, false},         {"grey-1-interlaced", 1, 0, true},
        {"grey-2-interlaced", 2, 0, true}, {"grey-4-interlaced", 4, 0, true}, {"grey-8-interlaced", 8, 0, true},
        {"grey-16-interlaced", 16, 0, true}, {"rgb-8", 8, 2, false},         {"rgb-16", 16, 2, false},
        {"rgb-8-interlaced", 8, 2, true}, {"rgb-16-interlaced", 16, 2, true}, {"palette-1", 1, 3, false},
        {"palette-2", 2, 3, false},       {"palette-4", 4, 3, false},        {"palette-8", 8, 3, false},
        {"palette-1-interlaced", 1, 3, true}, {"palette-2-interlaced", 2, 3, true},
        {"palette-4-interlaced", 4, 3, true}, {"palette-8-interlaced", 8, 3, true},
        {"greyalpha-8", 8, 4, false},     {"greyalpha-16", 16, 4, false},    {"greyalpha-8-interlaced", 8, 4, true},
        {"greyalpha-16-interlaced", 16, 4, true}, {"rgba-8", 8, 6, false},   {"rgba-16", 16, 6, false},
        {"rgba-8-interlaced", 8, 6, true}, {"rgba-16-interlaced", 16, 6, true},
        {"rgba-8-filter0", 8, 6, false},  {"rgba-8-filter1", 8, 6, false},   {"rgba-8-filter2", 8, 6, false},
        {"rgba-8-filter3", 8, 6, false},  {"rgba-8-filter4", 8, 6, false},   {"grey-8-trns", 8, 0, false},
        {"grey-16-trns", 16, 0, false},   {"rgb-8-trns", 8, 2, false},       {"palette-8-trns", 8, 3, false},
        {"palette-2-trns-interlaced", 2, 3, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const std::vector<std::uint8_t> png = Slurp(kData + row.file + ".png");
        ASSERT_GT(png.size(), 29u);
        EXPECT_EQ(png[24], row.depth);
        EXPECT_EQ(png[25], row.colourType);
        EXPECT_EQ(png[28], row.interlaced ? 1 : 0);
        RgbaImage image;
        ReadPng(png.data(), png.size(), image, row.file);
        const std::vector<std::uint8_t> peer = Slurp(kData + row.file + ".rgba16");
        ASSERT_EQ(peer.size(), std::size_t(image.width) * image.height * 8);
        for (std::size_t i = 0; i < image.rgba.size(); ++i) {
            const unsigned expected = ((unsigned(peer[i * 2]) << 8 | peer[i * 2 + 1]) * 255u + 32767u) / 65535u;
            if (image.rgba[i] != expected) {
                ADD_FAILURE() << "pixel " << (i / 4) % image.width << "," << (i / 4) / image.width << " channel "
                              << i % 4 << ": " << int(image.rgba[i]) << ", ImageMagick " << expected;
                break;
            }
        }
    }
}

TEST(PngReader, DamagedFilesGiveAClearErrorNamingTheFile) {
    struct Row {
        const char* file;
        const char* message;
    };
    const Row rows[] = {
        {"bad-crc", "chunk IDAT has a bad CRC"},
        {"bad-crc-ihdr", "chunk IHDR has a bad CRC"},
        {"truncated-idat", "chunk IDAT runs past the end of the file"},
        {"no-iend", "the file ends before its IEND chunk"},
        {"huge-dimensions", "image size 100000x100000 is too large"},
        {"huge-but-allowed-size-tiny-data", "is far too short for a 4096x4096 image"},
        {"zero-width", "empty image size 0x5"},
        {"bad-zlib-stream", "bad zlib stream"},
        {"short-zlib-stream", "the image data stops short"},
        {"bad-filter-type", "unknown row filter 7 in row 0"},
        {"bad-bit-depth", "bit depth 3 is not allowed for colour type 2"},
        {"bad-colour-type", "unknown colour type 5"},
        {"interlace-method-2", "unknown interlace method 2"},
        {"palette-without-plte", "a palette image without a PLTE chunk"},
        {"palette-index-past-plte", "palette index 9 past the palette's 2 entries"},
        {"no-idat", "no image data"},
        {"ihdr-not-first", "the first chunk is tEXt, not IHDR"},
        {"unknown-critical-chunk", "unknown critical chunk ABCD"},
        {"chunk-length-huge", "runs past the end of the file"},
        {"not-a-png", "not a PNG file"},
        {"empty", "not a PNG file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const std::string path = kData + "malformed/" + row.file + ".png";
        RgbaImage image;
        image.width = 7;  // a failed read leaves the image as it was
        try {
            LoadPngFile(path, image);
            ADD_FAILURE() << "read without an error";
        } catch (const ImageError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(row.message), std::string::npos) << message;
        }
        EXPECT_EQ(image.width, 7);
    }
}

}  // namespace
}  // namespace vt
