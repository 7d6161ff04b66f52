#include "common/Dpi.h"

#include <cstdlib>
#include <limits>

namespace vt {

std::int32_t ClampDpi(std::int32_t dpi) { return dpi < kMinDpi ? kMinDpi : dpi > kMaxDpi ? kMaxDpi : dpi; }

std::int32_t ScaleLength(std::int32_t length, std::int32_t dpi) {
    if (dpi == kBaseDpi) return length;
    const std::int64_t scaled = std::int64_t(length) * dpi;
    const std::int64_t magnitude = (std::llabs(scaled) + kBaseDpi / 2) / kBaseDpi;
    const std::int64_t result = scaled < 0 ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (result < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(result);
}

}  // namespace vt
