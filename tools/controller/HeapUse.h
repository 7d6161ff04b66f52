#pragma once
// What the heaps of this process hold, for the tests and benchmarks that watch the module's memory.
#include <windows.h>

namespace vt {

// Bytes of the blocks in use in every heap of the process.
SIZE_T HeapBytesInUse();

}  // namespace vt
