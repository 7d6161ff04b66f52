#pragma once
// The element codes a theme may write, with the hit-test value each gives and the window-style
// bits that make an element of that code exist. Lookups take the first match, so the table's
// order is part of the format (hit code 4 is GROWBOX before SIZE).
#include <array>
#include <cstdint>
#include <string>

#include "theme/model/ElementCode.h"

namespace vt {

struct TRectType {
    const char* Name;
    std::int32_t HitCode;
    std::uint32_t Style;
};

constexpr int kElementCodeCount = 38;
// Row i of the table is ElementCodes[i - 1]; lookups return the 1-based row index.
extern const std::array<TRectType, kElementCodeCount> ElementCodes;
const TRectType& ElementCodeRow(int index);

// Upper-cases the name, drops one leading "!", and returns the row index of the exactly equal
// name. Throws ThemeError "Invalid element code" when there is none.
int FindElementCode(const std::string& name);
// The first row with this hit code, or -1.
int FindElementCodeByHitCode(std::int32_t hitCode);

}  // namespace vt
