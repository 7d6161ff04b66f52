#pragma once
// Decimal numbers as configuration files and the registry write them.
#include <cstdint>
#include <string>

namespace vt {

// A signed decimal 32-bit integer: optional sign, at least one digit, nothing else; false when
// the text is not such a number.
bool TryParseDecimal(const std::string& text, std::int32_t& value);

}  // namespace vt
