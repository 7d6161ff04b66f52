// Our PNG encoder, read back by our decoder: every pixel and alpha value comes back as written,
// for shapes that exercise row boundaries; images the format or our limits cannot hold are
// refused before anything is written.
#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "graphics/Bitmap.h"
#include "graphics/BmpReader.h"
#include "graphics/PngReader.h"
#include "graphics/PngWriter.h"

namespace vt {
namespace {

RgbaImage Pattern(int width, int height) {
    RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    for (std::size_t i = 0; i < image.rgba.size(); ++i) image.rgba[i] = std::uint8_t(i * 37 + i / 7);
    return image;
}

TEST(PngWriter, RoundTripsThroughOurReader) {
    struct Row {
        const char* what;
        int width, height;
    };
    const Row rows[] = {
        {"one pixel", 1, 1},
        {"one row", 17, 1},
        {"one column", 1, 19},
        {"odd sides", 33, 7},
        {"a preview's size", 640, 480},
    };
    for (const Row& row : rows) {
        RgbaImage written = Pattern(row.width, row.height);
        std::vector<std::uint8_t> bytes = EncodePng(written);
        RgbaImage read;
        ReadPng(bytes.data(), bytes.size(), read, row.what);
        EXPECT_EQ(read.width, row.width) << row.what;
        EXPECT_EQ(read.height, row.height) << row.what;
        EXPECT_EQ(read.rgba, written.rgba) << row.what;
    }
}

TEST(PngWriter, FullyTransparentAndOpaquePixelsKeepTheirColour) {
    // A preview's cut-away corners are transparent black; the reader must not drop or premultiply.
    RgbaImage written{2, 1, {0, 0, 0, 0, 10, 20, 30, 255}};
    std::vector<std::uint8_t> bytes = EncodePng(written);
    RgbaImage read;
    ReadPng(bytes.data(), bytes.size(), read);
    EXPECT_EQ(read.rgba, written.rgba);
}

TEST(PngWriter, RefusesImagesItCannotHold) {
    struct Row {
        const char* what;
        RgbaImage image;
    };
    const Row rows[] = {
        {"empty", RgbaImage{}},
        {"no height", RgbaImage{4, 0, {}}},
        {"negative width", RgbaImage{-1, 1, {}}},
        {"wider than a bitmap may be", RgbaImage{Bitmap::kMaxSide + 1, 1, {}}},
        {"more pixels than a bitmap may have", RgbaImage{Bitmap::kMaxSide, Bitmap::kMaxSide, {}}},
        {"pixel data shorter than the size", RgbaImage{2, 2, std::vector<std::uint8_t>(15)}},
    };
    for (const Row& row : rows) EXPECT_THROW(EncodePng(row.image), std::invalid_argument) << row.what;
}

TEST(PngWriter, SavesAFileTheReaderLoadsAndNamesAFileItCannotCreate) {
    const std::string path = ::testing::TempDir() + "vt-png-writer.png";
    RgbaImage written = Pattern(5, 3);
    SavePngFile(path, written);
    RgbaImage read;
    LoadPngFile(path, read);
    EXPECT_EQ(read.rgba, written.rgba);
    std::remove(path.c_str());

    const std::string bad = ::testing::TempDir() + "no-such-folder/x.png";
    try {
        SavePngFile(bad, written);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace vt
