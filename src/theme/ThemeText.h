#pragma once
// Numbers as the theme readers take them: strictly (a number with stray characters is an error
// of its line, never a silent zero). Names compare as common/AsciiText.h says.
#include <cstdint>
#include <string>

#include "common/AsciiText.h"
#include "common/DecimalText.h"  // TryParseDecimal, the form ParseDecimal reads
#include "common/HexText.h"      // TryParseHex, the form ParseHex reads

namespace vt {

// A signed decimal 32-bit integer: optional sign, at least one digit, nothing else.
// Throws ThemeError "'TEXT' is not a valid integer value".
std::int32_t ParseDecimal(const std::string& text);
// As TryParseHex; throws ThemeError "'TEXT' is not a valid hexadecimal value".
std::uint32_t ParseHex(const std::string& text);

}  // namespace vt
