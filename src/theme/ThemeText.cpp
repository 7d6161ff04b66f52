#include "theme/ThemeText.h"

#include "theme/ThemeErrors.h"

namespace vt {

char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string UpperCase(std::string text) {
    for (char& c : text) c = UpperChar(c);
    return text;
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i])) return false;
    return true;
}

bool ContainsText(const std::string& text, const std::string& part) {
    return UpperCase(text).find(UpperCase(part)) != std::string::npos;
}

std::int32_t ParseDecimal(const std::string& text) {
    std::int32_t v = 0;
    if (!TryParseDecimal(text, v)) throw ThemeError("'" + text + "' is not a valid integer value");
    return v;
}

bool TryParseHex(const std::string& text, std::uint32_t& value) {
    if (text.empty() || text.size() > 8) return false;
    std::uint32_t v = 0;
    for (char c : text) {
        unsigned d;
        if (c >= '0' && c <= '9') d = unsigned(c - '0');
        else if (c >= 'A' && c <= 'F') d = unsigned(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') d = unsigned(c - 'a' + 10);
        else return false;
        v = (v << 4) | d;
    }
    value = v;
    return true;
}

std::uint32_t ParseHex(const std::string& text) {
    std::uint32_t v = 0;
    if (!TryParseHex(text, v)) throw ThemeError("'" + text + "' is not a valid hexadecimal value");
    return v;
}

}  // namespace vt
