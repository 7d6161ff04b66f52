#pragma once
// Reads PNG images (every colour type and bit depth of the format: grey, RGB, palette, grey and
// RGB with alpha; 1 to 16 bits; interlaced or not; all five row filters; tRNS transparency) into
// an RgbaImage, by a decoder of our own over zlib's inflate. 16-bit samples are rounded to 8
// bits; gamma, colour profiles and text chunks are not applied.
//
// Damaged files raise ImageError naming the file (a bad CRC, a chunk that runs past the end, a
// broken zlib stream, image data that stops short, sizes past the Bitmap limits, a palette index
// past the palette) and leave the image as it was. The size in the header is checked against
// the limits, and against what the compressed data could possibly hold, before anything the
// size of the image is allocated.
#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/BmpReader.h"
#include "graphics/RgbaImage.h"

namespace vt {

void ReadPng(const std::uint8_t* data, std::size_t size, RgbaImage& out, const std::string& name = "");
void LoadPngFile(const std::string& path, RgbaImage& out);

}  // namespace vt
