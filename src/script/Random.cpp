#include "script/Random.h"

#include "script/EngineState.h"

namespace vt {

std::uint32_t NextRandom(std::uint32_t n) {
    std::uint32_t& seed = detail::Running().randomSeed;
    seed = seed * 134775813u + 1u;   // modulo 2^32 by unsigned wrap-around
    return std::uint32_t((std::uint64_t(seed) * n) >> 32);
}

std::uint32_t RandomSeed() { return detail::Running().randomSeed; }
void SetRandomSeed(std::uint32_t value) { detail::Running().randomSeed = value; }

}  // namespace vt
