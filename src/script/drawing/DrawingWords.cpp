// Registration of the drawing and window words and the window-style constants beside them.
#include <string>

#include "script/Engine.h"
#include "script/drawing/DrawingContext.h"
#include "script/drawing/RectWords.h"
#include "script/drawing/SurfaceWords.h"
#include "script/drawing/WindowWords.h"

namespace vt {

void RegisterDrawingWords(const StyleConstant* constants, std::size_t count) {
    // Defined through the compiler, as a theme author would write them, so that each value is
    // what the number text becomes there: a mask above 2147483647 is a Real.
    for (std::size_t i = 0; i < count; ++i) {
        Interpret(std::to_string(constants[i].mask) + " CONSTANT WS_" + constants[i].name);
    }

    // A fixed order, the same at every theme load.
    RegisterWord<TGetTitle>("WINDOWTEXT", 0);
    RegisterWord<TTextWidth>("TEXTWIDTH", 0);
    RegisterWord<TTextHeight>("TEXTHEIGHT", 0);
    RegisterWord<TFetchRectTop>("@TOP", 0);
    RegisterWord<TStoreRectTop>("!TOP", 0);
    RegisterWord<TFetchRectLeft>("@LEFT", 0);
    RegisterWord<TStoreRectLeft>("!LEFT", 0);
    RegisterWord<TFetchRectBottom>("@BOTTOM", 0);
    RegisterWord<TStoreRectBottom>("!BOTTOM", 0);
    RegisterWord<TFetchRectRight>("@RIGHT", 0);
    RegisterWord<TStoreRectRight>("!RIGHT", 0);
    RegisterWord<TGetTop>("RECTTOP", 0);
    RegisterWord<TGetLeft>("RECTLEFT", 0);
    RegisterWord<TGetBottom>("RECTBOTTOM", 0);
    RegisterWord<TGetRight>("RECTRIGHT", 0);
    RegisterWord<TWindowStyle>("WINDOWSTYLE", 0);
    RegisterWord<TFetchPenColor>("@PENCOLOR", 0);
    RegisterWord<TStorePenColor>("!PENCOLOR", 0);
    RegisterWord<TFetchBrushColor>("@BRUSHCOLOR", 0);
    RegisterWord<TStoreBrushColor>("!BRUSHCOLOR", 0);
    RegisterWord<TMoveTo>("MOVETO", 0);
    RegisterWord<TLineTo>("LINETO", 0);
    RegisterWord<TSetPixel>("PUTPIXEL", 0);
    RegisterWord<TGetPixel>("GETPIXEL", 0);
    RegisterWord<TRectangle>("RECTANGLE", 0);
    RegisterWord<TFillRect>("FILLRECT", 0);
    RegisterWord<TFetchRect>("@RECT", 0);
    RegisterWord<TStoreRect>("!RECT", 0);
    RegisterWord<TGetWidth>("RECTWIDTH", 0);
    RegisterWord<TGetHeight>("RECTHEIGHT", 0);
    RegisterWord<TGetActive>("WINDOWACTIVE", 0);
    RegisterWord<TGetDpi>("DPI", 0);
}

}  // namespace vt
