#include "common/Dpi.h"

#include <cstdlib>
#include <limits>

namespace vt {

std::int32_t ClampDpi(std::int32_t dpi) { return dpi < kMinDpi ? kMinDpi : dpi > kMaxDpi ? kMaxDpi : dpi; }

std::int32_t ScaleLength(std::int32_t length, std::int32_t dpi) { return RescaleLength(length, kBaseDpi, dpi); }

std::int32_t RescaleLength(std::int32_t length, std::int32_t from, std::int32_t to) {
    if (from == to || from <= 0) return length;
    const std::int64_t scaled = std::int64_t(length) * to;
    const std::int64_t magnitude = (2 * std::llabs(scaled) + from) / (2 * std::int64_t(from));
    const std::int64_t result = scaled < 0 ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (result < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(result);
}

}  // namespace vt
