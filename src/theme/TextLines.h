#pragma once
// Theme files as lines of 8-bit text. A line ends at CR LF, LF or CR; a final line break adds
// no empty line. Nothing is trimmed.
#include <string>
#include <vector>

namespace vt {

std::vector<std::string> SplitLines(const std::string& text);
// Throws ThemeError naming the file when it cannot be opened or read.
std::vector<std::string> ReadTextLines(const std::string& path);

}  // namespace vt
