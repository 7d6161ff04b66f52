#include "hook/Compositor.h"

namespace vt {

Compositor::SetAttribute Compositor::Function() {
    if (looked_.load(std::memory_order_acquire)) return setAttribute_.load(std::memory_order_acquire);
    // The program's own search order, as for its own load of dwmapi (most programs have it
    // loaded already through the system's visual styles).
    HMODULE loaded = LoadLibraryA("dwmapi.dll");
    HMODULE none = nullptr;
    if (loaded && !library_.compare_exchange_strong(none, loaded)) {
        FreeLibrary(loaded);  // another thread was first: its reference is the one kept
        loaded = none;
    }
    auto set = loaded ? reinterpret_cast<SetAttribute>(reinterpret_cast<void*>(GetProcAddress(loaded, "DwmSetWindowAttribute"))) : nullptr;
    setAttribute_.store(set, std::memory_order_release);
    looked_.store(true, std::memory_order_release);
    return set;
}

void Compositor::Set(HWND window, NonClientRendering rendering, CornerPreference corners) {
    SetAttribute set = Function();
    if (!set) return;
    const DWORD policy = DWORD(rendering), corner = DWORD(corners);
    set(window, DWORD(CompositorAttribute::NonClientRenderingPolicy), &policy, sizeof policy);
    set(window, DWORD(CompositorAttribute::WindowCornerPreference), &corner, sizeof corner);
}

void Compositor::TakeFrame(HWND window) { Set(window, NonClientRendering::Disabled, CornerPreference::DoNotRound); }

void Compositor::GiveFrameBack(HWND window) {
    Set(window, NonClientRendering::UseWindowStyle, CornerPreference::Default);
}

}  // namespace vt
