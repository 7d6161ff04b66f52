#pragma once
// Values as the console tool lists them: Integers in decimal, Reals as the shortest decimal
// with a ".", Strings in double quotes with their bytes as they are, true/false, empty.
// The console tool bounds its listing, so that a stack of thousands of megabyte strings still
// lists as one short line: a String longer than maxStringBytes shows its first maxStringBytes
// bytes in quotes and then ...(N bytes); a stack deeper than maxValues lists its top maxValues
// values after [N more].
#include <cstddef>
#include <string>

#include "script/Value.h"
#include "script/ValueStack.h"

namespace vt {

// The console tool's bounds.
constexpr std::size_t kListedStringBytes = 64;
constexpr std::size_t kListedValues = 256;

constexpr std::size_t kUnbounded = std::size_t(-1);

std::string ListValue(const Value& v, std::size_t maxStringBytes = kUnbounded);
// A stack from bottom to top, each item preceded by one space ("" when empty).
std::string ListStack(const ValueStack& stack, std::size_t maxStringBytes = kUnbounded, std::size_t maxValues = kUnbounded);

}  // namespace vt
