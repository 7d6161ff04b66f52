#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

DrawingHost host;

}  // namespace

DrawingContext& Drawing() {
    // A function-local object: the passes may run during another file's static start-up.
    static DrawingContext context;
    return context;
}

void SetDrawingHost(const DrawingHost& newHost) { host = newHost; }

const DrawingHost& CurrentDrawingHost() { return host; }

}  // namespace vt
