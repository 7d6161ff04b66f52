#pragma once
// Values as the console tool lists them: Integers in decimal, Reals as the shortest decimal
// with a ".", Strings in double quotes with their bytes as they are, true/false, empty.
#include <string>

#include "script/Value.h"

namespace vt {

std::string ListValue(const Value& v);
// The data stack from bottom to top, each value preceded by one space ("" when empty).
std::string ListDataStack();

}  // namespace vt
