#pragma once
// Where a test program makes the work behind an entry point (an export, the themed button's
// painting) fail, to show that the failure stays inside. Null in the module, so an entry pays one
// load and compare; the hook and frame window procedures need none (a fake frame engine fails
// for them).
namespace vt {

using EntryFault = void (*)(const char* entry);

// Set by tests only; called with the entry's name where its work starts, and may throw.
extern EntryFault g_entryFault;

inline void EnterWork(const char* entry) {
    if (g_entryFault) g_entryFault(entry);
}

}  // namespace vt
