#include "hook/ModuleLifecycle.h"

#include <atomic>

#include "common/win32/HookMessages.h"
#include "common/win32/ModuleInstance.h"
#include "common/win32/SharedArea.h"
#include "hook/ModuleState.h"
#include "theme/win32/ThemeLock.h"

namespace vt {
namespace {

// kEnding: the hook no longer takes windows in, but windows not yet given back still find
// their records.
enum Phase : int { kNotStarted, kStarting, kStarted, kEnding, kEnded };

std::atomic<int> g_phase{kNotStarted};
ModuleState* g_state = nullptr;  // made at the start, freed by a real unload, left at exit

// Each step of the start and the end runs even when the one before it failed; a step's failure
// costs its own work only.
template <typename Step>
void RunStep(Step step) {
    try {
        step();
    } catch (...) {
    }
}

void StartHook(ModuleState& state) {
    // A missing exclude.cfg is skipped inside; a broken one keeps what was read so far.
    RunStep([&] { state.exclusions.LoadExcludeFile(ModuleFolder() + "exclude.cfg"); });
    state.sharedArea.Open();
    Messages().RegisterHookMessages();
    state.lastThemeId = -1;
    state.hookHandle.reset();
}

void RunStart() {
    g_state = new ModuleState();  // the shared-area variables start cleared
    RunStep([] { g_state->button = std::make_unique<TvtButtonWin32>(g_state->controls, g_state->themeState); });
    RunStep([] {
        g_state->menus = std::make_unique<TMenus>(g_state->themeState);
        g_state->frame = CreateFrameEngine(g_state->sharedArea, g_state->themeState, g_state->menus.get());
        g_state->menus->SetFrame(g_state->frame.get());
        g_state->Theme().Start();
    });
    RunStep([] { StartHook(*g_state); });
}

}  // namespace

ModuleState* ModuleStateIfStarted() {
    int phase = g_phase.load(std::memory_order_acquire);
    return phase == kStarted || phase == kEnding ? g_state : nullptr;
}

unsigned char* OpenSharedArea() { return g_state ? g_state->sharedArea.Open() : nullptr; }

void CloseSharedArea() {
    if (g_state) g_state->sharedArea.Close();
}

bool EnsureModuleStarted() {
    int phase = g_phase.load(std::memory_order_acquire);
    if (phase == kStarted) return true;
    if (phase != kNotStarted) return false;
    if (!g_phase.compare_exchange_strong(phase, kStarting, std::memory_order_acq_rel)) return phase == kStarted;
    try {
        RunStart();
    } catch (...) {
        // Without its state the module stays out of the way for good.
        if (!g_state) {
            g_phase.store(kEnded, std::memory_order_release);
            return false;
        }
    }
    g_phase.store(kStarted, std::memory_order_release);
    return true;
}

void EndModule(bool processTerminating) {
    if (processTerminating) return;
    int phase = kStarted;
    if (!g_phase.compare_exchange_strong(phase, kEnding, std::memory_order_acq_rel)) {
        // Loaded and let go before anything started: only the area mapped at load goes back
        // (kernel calls, safe under the loader lock).
        if (phase == kNotStarted) ProcessSharedArea().Close();
        return;
    }
    ModuleState& state = *g_state;
    // The loader lock is held: nothing here may wait for another thread. A thread inside a pass
    // holds the theme; then the theme and the state stay as they are (memory and GDI objects the
    // process keeps, as at its exit) instead of a wait that can deadlock the host.
    PumpingLockTry themeFree(ThemeLock());
    // A controller that unloads us without RemoveHook leaves no hook pointing into freed code.
    RunStep([&] { state.hookHandle.reset(); });
    RunStep([&] { state.threadHooks.RemoveAll(); });
    // The code goes away: every window gets its previous procedure, also a pass-through.
    RunStep([&] {
        state.registry.UnsubclassAll(SubclassRegistry::RegionReset::CallingThreadOnly,
                                     SubclassRegistry::ProcedureReset::Always);
    });
    RunStep([&] {
        state.sharedArea.Close();
        state.exclusions = ExclusionLists();
    });
    if (themeFree.Held()) RunStep([&] { state.Theme().End(); });
    RunStep([&] { state.button.reset(); });  // the class must not keep pointing at our procedure
    g_phase.store(kEnded, std::memory_order_release);
    if (themeFree.Held()) delete g_state;
    g_state = nullptr;
}

}  // namespace vt
