#include "theme/controls/ControlList.h"

#include <algorithm>

#include "theme/controls/TvtControl.h"

namespace vt {

void ControlList::InstallAll() const {
    for (TvtControl* control : controls_) control->Install();
}

void ControlList::Add(TvtControl& control) { controls_.push_back(&control); }

void ControlList::Remove(TvtControl& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
}

}  // namespace vt
