#pragma once
// Reads BMP images (1, 4, 8, 16, 24, 32 bits per pixel; bottom-up and top-down; BI_RGB,
// BI_BITFIELDS, RLE4 and RLE8; OS/2 1.x core, info, V2 to V5 headers) into a Bitmap. Works on
// bytes; the file version is a thin wrapper.
//
// Damaged files raise ImageError and leave the bitmap as it was. Every size, count and offset is
// checked against the file and the bitmap limits before anything is allocated. A palette index
// past the file's palette is such an error too, not clamped: the file is damaged, and a guessed
// colour would only hide that from the theme's author.
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
