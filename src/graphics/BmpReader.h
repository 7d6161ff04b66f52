#pragma once
// Reads BMP images (1, 4, 8, 16, 24, 32 bits per pixel; bottom-up and top-down; BI_RGB,
// BI_BITFIELDS, RLE4 and RLE8) into a Bitmap. Works on bytes; the file version is a thin wrapper.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

// Raised for unreadable or malformed images; the message names the file when one is known.
class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void ReadBmp(const std::uint8_t* data, std::size_t size, Bitmap& out, const std::string& name = "");
void LoadBmpFile(const std::string& path, Bitmap& out);

}  // namespace vt
