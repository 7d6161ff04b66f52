#include "theme/controls/TvtControl.h"

#include "theme/controls/ControlList.h"

namespace vt {

TvtControl::TvtControl(ControlList& list) : list_(list) { list_.Add(*this); }

TvtControl::~TvtControl() { list_.Remove(*this); }

}  // namespace vt
