#pragma once
// The soak's one source of chance: seeded, so that the seed of a failing run replays its steps.
#include <cstdint>
#include <random>

namespace vt::soak {

class SoakRandom {
public:
    explicit SoakRandom(std::uint32_t seed) : engine_(seed) {}
    // 0 .. n-1 (0 when n is not positive).
    int Below(int n) { return n > 0 ? int(engine_() % std::uint32_t(n)) : 0; }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Percent(int p) { return Below(100) < p; }

private:
    std::mt19937 engine_;
};

}  // namespace vt::soak
