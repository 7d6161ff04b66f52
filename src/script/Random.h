#pragma once
// The generator of RAND: one seed per engine, 0 when the engine is made and never reseeded, so
// every engine draws the same sequence from its start, whatever other engines draw meanwhile.
#include <cstdint>

namespace vt {

// Advances the running engine's seed; returns a number in [0, n) (n taken as unsigned; 0 gives 0).
std::uint32_t NextRandom(std::uint32_t n);

// For tests: the running engine's seed as it stands, and a way to put it back.
std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);

}  // namespace vt
