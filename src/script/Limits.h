#pragma once
// Bounds of the engine. A theme's words run inside every window message of the host program,
// so a runaway word must end with an error instead of hanging, exhausting the thread's stack
// or eating the host's memory.
#include <cstddef>
#include <cstdint>

namespace vt {

constexpr std::int64_t kStepBudget = 10'000'000;   // elements executed per top-level run
// Elements a theme's whole [CODE] section may execute while it loads. Every program that starts
// loads the theme, so its lines share one budget: a theme whose every line ran to the per-run
// limit would otherwise hold each program up for as long as it has lines.
constexpr std::int64_t kLoadStepBudget = kStepBudget;
// Words running inside one another. Each level costs two small native frames; 500 levels stay
// far below a 256 KiB thread stack and far above what a theme nests.
constexpr int kMaxNesting = 500;
constexpr std::size_t kMaxStackDepth = 65'536;     // values on each stack
constexpr std::int32_t kMaxCells = 65'536;         // cells ALLOT may reserve
constexpr std::size_t kMaxStringLength = 1 << 20;  // bytes of a String made by +
// Bytes held by all Strings at once (on both stacks, in cells, in literals). The counts above
// bound each string and each stack, not their product: 65,536 distinct 1 MiB strings would be
// 64 GiB. Copies of one String share its bytes and cost nothing more.
constexpr std::size_t kMaxStringBytes = 32u << 20;
// Work that moves or reads string bytes is charged one step per this many bytes (about what a
// step costs), so that a loop copying large strings ends within the step budget in a fraction
// of a second instead of running for hours at a few steps a pass.
constexpr std::size_t kBytesPerStep = 4;

}  // namespace vt
