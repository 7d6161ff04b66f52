#include "theme/TvtControl.h"

#include "theme/ControlList.h"

namespace vt {

TvtControl::TvtControl() { ThemedControls().Add(*this); }

TvtControl::~TvtControl() {
    if (ControlList* list = ThemedControlsIfMade()) list->Remove(*this);
}

}  // namespace vt
