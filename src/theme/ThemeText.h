#pragma once
// Text rules shared by the theme readers: names from theme files compare after ASCII
// upper-casing, and numbers are read strictly (a number with stray characters is an error,
// never a silent zero).
#include <cstdint>
#include <string>

#include "common/DecimalText.h"  // TryParseDecimal, the form ParseDecimal reads

namespace vt {

// Upper-cases the ASCII letters a to z only; other bytes of the ANSI code page stay as they are.
std::string UpperCase(std::string text);
char UpperChar(char c);
// Equal after UpperCase on both sides, without building the upper-case copies.
bool SameText(const std::string& a, const std::string& b);
bool ContainsText(const std::string& text, const std::string& part);     // ignoring case

// A signed decimal 32-bit integer: optional sign, at least one digit, nothing else.
// Throws ThemeError "'TEXT' is not a valid integer value".
std::int32_t ParseDecimal(const std::string& text);
// One to eight hexadecimal digits, read as an unsigned 32-bit value (a colour).
bool TryParseHex(const std::string& text, std::uint32_t& value);
// As TryParseHex; throws ThemeError "'TEXT' is not a valid hexadecimal value".
std::uint32_t ParseHex(const std::string& text);

}  // namespace vt
