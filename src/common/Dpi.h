#pragma once
// Display scale. Theme lengths (corner offsets, size fix-ups, image sizes) are written for 96 dots
// per inch, 100 %, and drawn at the DPI of the window they frame: a length L shows as L * dpi / 96.
#include <cstdint>

namespace vt {

constexpr std::int32_t kBaseDpi = 96;
// The scales a frame is drawn at: 25 % to 1000 %; anything else the system reports is taken as
// the nearest of these.
constexpr std::int32_t kMinDpi = 24;
constexpr std::int32_t kMaxDpi = 960;

std::int32_t ClampDpi(std::int32_t dpi);

// length * dpi / 96, rounded half away from zero and kept within 32 bits (an absurd theme
// value gives an absurd length, never an overflow).
std::int32_t ScaleLength(std::int32_t length, std::int32_t dpi);
// A length drawn at `from` DPI as it is drawn at `to` (length * to / from, rounded as above).
std::int32_t RescaleLength(std::int32_t length, std::int32_t from, std::int32_t to);

}  // namespace vt
