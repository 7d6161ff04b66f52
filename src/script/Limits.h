#pragma once
// Bounds of the engine. A theme's words run inside every window message of the host program,
// so a runaway word must end with an error instead of hanging, exhausting the thread's stack
// or eating the host's memory.
#include <cstddef>
#include <cstdint>

namespace vt {

constexpr std::int64_t kStepBudget = 10'000'000;   // elements executed per top-level run
// Words running inside one another. Each level costs two small native frames; 500 levels stay
// far below a 256 KiB thread stack and far above what a theme nests.
constexpr int kMaxNesting = 500;
constexpr std::size_t kMaxStackDepth = 65'536;     // values on each stack
constexpr std::int32_t kMaxCells = 65'536;         // cells ALLOT may reserve
constexpr std::size_t kMaxStringLength = 1 << 20;  // bytes of a String made by +

}  // namespace vt
