#pragma once
// Writes an RgbaImage as a 24-bit BMP (BITMAPINFOHEADER, bottom-up, rows padded to four bytes),
// the form native themes keep their images in. Alpha is dropped: native themes mark see-through
// pixels with a transparent colour instead.
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/RgbaImage.h"

namespace vt {

// Throws std::invalid_argument when the image is empty or its pixel data does not match its size.
std::vector<std::uint8_t> EncodeBmp(const RgbaImage& image);
// EncodeBmp written to `path`; throws std::runtime_error naming the file when it cannot be written.
void SaveBmpFile(const std::string& path, const RgbaImage& image);

}  // namespace vt
