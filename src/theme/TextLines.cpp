#include "theme/TextLines.h"

#include <fstream>

#include "theme/ThemeErrors.h"

namespace vt {
namespace {

// Far above any theme; a file past it is not a theme, and reading it would only cost the host.
constexpr std::streamoff kMaxThemeFileSize = 16 * 1024 * 1024;

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ThemeError("Cannot open file \"" + path + "\"");
    file.seekg(0, std::ios::end);
    std::streamoff size = file.tellg();
    if (size < 0) throw ThemeError("Cannot read file \"" + path + "\"");
    if (size > kMaxThemeFileSize) throw ThemeError("File \"" + path + "\" is too large for a theme");
    file.seekg(0, std::ios::beg);
    std::string text(std::size_t(size), '\0');
    if (!file.read(&text[0], size)) throw ThemeError("Cannot read file \"" + path + "\"");
    return SplitLines(text);
}

}  // namespace vt
