#pragma once
// The generator of RAND: one seed per process, 0 when the module is loaded and never reseeded,
// so every process draws the same sequence from its start.
#include <cstdint>

namespace vt {

// Advances the seed; returns a number in [0, n) (n taken as unsigned; 0 gives 0).
std::uint32_t NextRandom(std::uint32_t n);

// For tests: the seed as it stands, and a way to put it back.
std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);

}  // namespace vt
