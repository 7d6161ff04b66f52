#include "theme/TvtControl.h"

#include "theme/ControlList.h"

namespace vt {

TvtControl::TvtControl() { ThemedControls().Add(*this); }

TvtControl::~TvtControl() { ThemedControls().Remove(*this); }

}  // namespace vt
