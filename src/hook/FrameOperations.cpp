#include "hook/FrameOperations.h"

namespace vt {
namespace {

FrameOperations g_noTheme;
FrameOperations* g_current = &g_noTheme;

}  // namespace

FrameOperations& CurrentFrameOperations() { return *g_current; }

FrameOperations* SetFrameOperations(FrameOperations* operations) {
    FrameOperations* previous = g_current;
    g_current = operations ? operations : &g_noTheme;
    return previous;
}

}  // namespace vt
