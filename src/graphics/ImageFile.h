#pragma once
// Reads a whole image file into memory for the byte-oriented readers (BMP, XPM).
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// Returns the file's bytes; raises ImageError naming the path when the file cannot be opened
// or read, or is larger than maxSize bytes (checked before anything is allocated).
std::vector<std::uint8_t> ReadImageFile(const std::string& path, std::int64_t maxSize);

}  // namespace vt
