#include "theme/TvtControl.h"

#include "theme/ControlList.h"

namespace vt {

TvtControl::TvtControl(ControlList& list) : list_(list) { list_.Add(*this); }

TvtControl::~TvtControl() { list_.Remove(*this); }

}  // namespace vt
