#include "theme/win32/ThemedControlsWin32.h"

#include "theme/ControlList.h"
#include "theme/win32/TvtButtonWin32.h"

namespace vt {
namespace {

// Made by the start and freed only by a real unload. A static would be destroyed at process
// exit too, under the loader lock, giving the class back (EnumWindows, UnregisterClassA) while
// user32 is going away and after the control list it leaves was already destroyed.
TvtButtonWin32* g_button = nullptr;

}  // namespace

void StartThemedControls() {
    ThemedControls();  // the list first: the button lists itself
    if (!g_button) g_button = new TvtButtonWin32();
}

void EndThemedControls() {
    // The button gives its class back and leaves the list, then the list goes.
    delete g_button;
    g_button = nullptr;
    FreeThemedControls();
}

}  // namespace vt
