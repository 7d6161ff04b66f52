#pragma once
// Writes an RgbaImage as a PNG file: 8-bit RGBA (colour type 6), not interlaced, every row with
// filter 0, the image data one zlib stream from zlib's deflate. Previews and test images need
// nothing more, and every PNG reader takes this form.
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/RgbaImage.h"

namespace vt {

// The file's bytes. Throws std::invalid_argument when the image is empty, its sides are past the
// Bitmap limits or its pixel data does not match its size; std::runtime_error when deflate fails.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);
// EncodePng written to `path`; throws std::runtime_error naming the file when it cannot be written.
void SavePngFile(const std::string& path, const RgbaImage& image);

}  // namespace vt
