#include "theme/ThemeText.h"

#include "theme/ThemeErrors.h"

namespace vt {

std::int32_t ParseDecimal(const std::string& text) {
    std::int32_t v = 0;
    if (!TryParseDecimal(text, v)) throw ThemeError("'" + text + "' is not a valid integer value");
    return v;
}

std::uint32_t ParseHex(const std::string& text) {
    std::uint32_t v = 0;
    if (!TryParseHex(text, v)) throw ThemeError("'" + text + "' is not a valid hexadecimal value");
    return v;
}

}  // namespace vt
