#include "theme/icewm/IceWmValues.h"

namespace vt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

// The argument at text[at]: quoted pieces and backslashed characters joined, up to the first
// unquoted blank or comma (a comma starts IceWM's second value of a list, which no frame key has).
std::string Argument(const std::string& text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    std::string value;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\'' || c == '"') {
            while (++at < text.size() && text[at] != c) {
                if (c == '"' && text[at] == '\\' && at + 1 < text.size() && text[at + 1] == '"') ++at;
                value += text[at];
            }
            if (at >= text.size()) break;
        } else if (c == '\\' && at + 1 < text.size()) {
            value += text[++at];
        } else if (IsBlank(c) || c == ',' || c == '\r' || c == '\n') {
            break;
        } else {
            value += c;
        }
    }
    return value;
}

}  // namespace

bool IsSectionHeaderLine(const std::string& line) {
    std::size_t at = 0;
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size() || line[at] != '[') return false;
    const std::size_t close = line.find(']', at);
    return close != std::string::npos && close > at + 1;
}

IceWmValues::IceWmValues(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::size_t at = 0;
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at >= line.size() || line[at] == '#') continue;
        if (line[at] == '[') continue;  // a section header: no option
        const std::size_t keyEnd = line.find_first_of("= \t\f\v\\", at);
        if (keyEnd == std::string::npos || keyEnd == at || keyEnd - at >= 40) continue;
        std::size_t equals = keyEnd;
        while (equals < line.size() && IsBlank(line[equals])) ++equals;
        if (equals >= line.size() || line[equals] != '=') continue;
        entries_[line.substr(at, keyEnd - at)] = IceWmValue{Argument(line, equals + 1), int(i + 1)};  // the last counts
    }
}

IceWmValue IceWmValues::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? IceWmValue{} : found->second;
}

}  // namespace vt
