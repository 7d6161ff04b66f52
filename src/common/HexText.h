#pragma once
// Hexadecimal numbers as theme files and colour names write them.
#include <cstdint>
#include <string>

namespace vt {

// One to eight hexadecimal digits, read as an unsigned 32-bit value (a colour); false for
// anything else.
bool TryParseHex(const std::string& text, std::uint32_t& value);

}  // namespace vt
