#pragma once
// themes.cfg: a theme per host program, one NAME=PATH line each (NAME the executable's file
// name, PATH the full path of its theme file).
#include <optional>
#include <string>
#include <vector>

namespace vt {

// The PATH of the first line whose part before the first '=' equals `hostName` without regard
// to case (ASCII letters), taken unchanged (no trimming); nothing when no line names the host.
std::optional<std::string> FindHostTheme(const std::vector<std::string>& lines, const std::string& hostName);

// Upper-cases ASCII letters a to z only, as host names are compared.
std::string UpperCaseAscii(std::string text);

}  // namespace vt
