#include "frame/ZoomPath.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace vt {
namespace {

using Sides = std::array<std::int32_t, 4>;

Sides SidesOf(const Rect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
Rect RectOf(const Sides& s) { return Rect{s[0], s[1], s[2], s[3]}; }

// The side plus its single-precision increment, to the nearest integer with ties to even (done
// by hand: a host may have changed the floating-point rounding mode).
std::int32_t Advance(std::int32_t side, float increment) {
    const double moved = double(side) + double(increment);
    double nearest = std::floor(moved);
    const double fraction = moved - nearest;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(nearest, 2.0) != 0.0)) nearest += 1.0;
    if (!(nearest > -2147483648.0)) return INT32_MIN;  // also NaN
    if (nearest > 2147483647.0) return INT32_MAX;
    return std::int32_t(nearest);
}

void Step(Sides& sides, const std::array<float, 4>& d) {
    for (std::size_t k = 0; k < 4; ++k) sides[k] = Advance(sides[k], d[k]);
}

}  // namespace

void ForEachZoomFrame(const Rect& from, const Rect& to, int steps, const std::function<void(const ZoomFrame&)>& frame) {
    if (steps < 1) throw std::invalid_argument("Steps must be a non-zero positive number");
    const Sides f = SidesOf(from), t = SidesOf(to);
    std::array<float, 4> d{};
    for (std::size_t k = 0; k < 4; ++k) d[k] = float((double(t[k]) - double(f[k])) / double(steps));
    Sides lead = f, trail = f;
    const int half = steps / 2;
    const long long total = (long long)steps + half;
    for (long long i = 1; i <= total; ++i) {
        ZoomFrame current;
        if (i <= steps) current.draw = RectOf(lead);
        if (i > half) {
            current.erase = RectOf(trail);
            Step(trail, d);
        }
        Step(lead, d);
        frame(current);
    }
}

}  // namespace vt
