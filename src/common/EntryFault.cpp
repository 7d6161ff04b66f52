#include "common/EntryFault.h"

namespace vt {

EntryFault g_entryFault = nullptr;

}  // namespace vt
