#pragma once
// Keeps a general path out of the function whose fast path it backs, so that the fast path
// compiles to a few instructions without a stack frame.
#if defined(_MSC_VER)
#define VT_NOINLINE __declspec(noinline)
#else
#define VT_NOINLINE __attribute__((noinline))
#endif
