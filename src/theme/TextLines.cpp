#include "theme/TextLines.h"

#include "common/RegularFile.h"
#include "theme/ThemeErrors.h"

namespace vt {
namespace {

// Far above any theme; a file past it is not a theme, and reading it would only cost the host.
constexpr std::int64_t kMaxThemeFileSize = 16 * 1024 * 1024;

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
    std::string text;
    const FileReadResult read = ReadRegularFile(path, kMaxThemeFileSize, text);
    switch (read.failure) {
    case FileReadFailure::None: return SplitLines(text);
    case FileReadFailure::CannotOpen: throw ThemeError("Cannot open file \"" + path + "\"");
    case FileReadFailure::NotRegular: throw ThemeError("\"" + path + "\" is not a regular file");
    case FileReadFailure::TooLarge: throw ThemeError("File \"" + path + "\" is too large for a theme");
    case FileReadFailure::CannotRead: break;
    }
    throw ThemeError("Cannot read file \"" + path + "\"");
}

}  // namespace vt
