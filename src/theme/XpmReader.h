#pragma once
// Reads the XPM 3 images of kwm themes into a Bitmap (24-bit; "None" switches transparency on
// with magenta as the transparent colour). Errors are vt::ImageError naming the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/BmpReader.h"

namespace vt {

void ReadXpmLines(const std::vector<std::string>& lines, Bitmap& out, const std::string& name = "");
// The bytes of an XPM file, split into lines at each line feed.
void ReadXpm(const std::uint8_t* data, std::size_t size, Bitmap& out, const std::string& name = "");
void ReadXpmFile(const std::string& path, Bitmap& out);

}  // namespace vt
