#pragma once
// Keeps the module mapped in a program once one of its windows runs our procedure.
//
// Windows unloads a hook's module from a program once the hook is removed, as soon as the hook
// procedure has returned, whether or not a thread of the program is still inside the module (a
// caption drag, a menu loop, a modal box opened from a skinned close button): that thread then
// returns into unmapped code. So the first window we subclass in a program pins the module there
// for the rest of the process (the system never unmaps a pinned module), and a stop only gives the
// windows their frames back. Setup and uninstall already cope with a module still mapped: they
// move it aside.
//
// A controller's process is left out: it loaded the module itself, and unloading it there is its
// own call, made on its own terms (after RemoveHook, from its own thread).
#include <atomic>

namespace vt {

class ModulePin {
public:
    // The process loaded the module itself to control it.
    void MarkController() { controller_.store(true, std::memory_order_relaxed); }
    // A window of this process now runs our procedure: pins the module, once.
    void Hold();
    bool Held() const { return held_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> controller_{false};
    std::atomic<bool> held_{false};
};

}  // namespace vt
