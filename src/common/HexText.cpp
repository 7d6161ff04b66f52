#include "common/HexText.h"

namespace vt {

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

}  // namespace vt
