#pragma once
// What the drawing words need of the frame: element rectangles of the current theme, and window
// texts. Every program that runs theme scripts over real windows (the module, the preview) sets it.
#include "script/drawing/DrawingContext.h"

namespace vt {

DrawingHost FrameDrawingHost();

}  // namespace vt
