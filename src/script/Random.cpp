#include "script/Random.h"

namespace vt {
namespace {

std::uint32_t seed = 0;

}  // namespace

std::uint32_t NextRandom(std::uint32_t n) {
    seed = seed * 134775813u + 1u;   // modulo 2^32 by unsigned wrap-around
    return std::uint32_t((std::uint64_t(seed) * n) >> 32);
}

std::uint32_t RandomSeed() { return seed; }
void SetRandomSeed(std::uint32_t value) { seed = value; }

}  // namespace vt
