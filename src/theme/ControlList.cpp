#include "theme/ControlList.h"

#include <algorithm>

#include "theme/TvtControl.h"

namespace vt {

void ControlList::Add(TvtControl& control) { controls_.push_back(&control); }

void ControlList::Remove(TvtControl& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

ControlList& ThemedControls() {
    static ControlList list;
    return list;
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
