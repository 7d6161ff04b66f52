#pragma once
// Names in theme and configuration files compare after ASCII upper-casing, as the Windows ANSI
// functions that first read them did: only a to z change, other bytes of the code page stay.
#include <string>

namespace vt {

// Upper-cases the ASCII letters a to z only; other bytes of the ANSI code page stay as they are.
std::string UpperCase(std::string text);
char UpperChar(char c);
// Equal after UpperCase on both sides, without building the upper-case copies.
bool SameText(const std::string& a, const std::string& b);
bool ContainsText(const std::string& text, const std::string& part);     // ignoring case

}  // namespace vt
