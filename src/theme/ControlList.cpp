#include "theme/ControlList.h"

#include <algorithm>

#include "theme/TvtControl.h"

namespace vt {

void ControlList::Add(TvtControl& control) { controls_.push_back(&control); }

void ControlList::Remove(TvtControl& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

namespace {

// A heap object, never a static: the runtime destroys a module's statics at every detach,
// process exit included, and in reverse order of construction, which would free the list
// before the controls that leave it in their destructors.
ControlList* g_list = nullptr;

}  // namespace

ControlList& ThemedControls() {
    if (!g_list) g_list = new ControlList();
    return *g_list;
}

ControlList* ThemedControlsIfMade() { return g_list; }

void FreeThemedControls() {
    delete g_list;
    g_list = nullptr;
}

void InstallAllControls() {
    ControlList& list = ThemedControls();
    for (std::size_t i = 0; i < list.Count(); ++i) list.Get(i).Install();
}

void ResetAllControls() {
    ControlList& list = ThemedControls();
    for (std::size_t i = 0; i < list.Count(); ++i) list.Get(i).Reset();
}

bool DispatchControlLine(const std::string& section, const std::string& line, TTheme& theme) {
    ControlList& list = ThemedControls();
    bool handled = false;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        TvtControl& control = list.Get(i);
        if (control.ControlName() == section) {
            control.LoadLine(line, theme);
            handled = true;
        }
    }
    return handled;
}

}  // namespace vt
