#include "frame/ThemesConfig.h"

namespace vt {

std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

std::optional<std::string> FindHostTheme(const std::vector<std::string>& lines, const std::string& hostName) {
    const std::string host = UpperCaseAscii(hostName);
    for (const std::string& line : lines) {
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        if (UpperCaseAscii(line.substr(0, equals)) == host) return line.substr(equals + 1);
    }
    return std::nullopt;
}

}  // namespace vt
