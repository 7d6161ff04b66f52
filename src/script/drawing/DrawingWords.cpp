// Registration of the drawing and window words and the window-style constants beside them.
#include <string>

#include "script/ScriptEngine.h"
#include "script/drawing/DrawingContext.h"
#include "script/drawing/RectWords.h"
#include "script/drawing/SurfaceWords.h"
#include "script/drawing/WindowWords.h"

namespace vt {

void RegisterDrawingWords(ScriptEngine& engine, DrawingContext& context, const StyleConstant* constants,
                          std::size_t count) {
    // Defined through the compiler, as a theme author would write them, so that each value is
    // what the number text becomes there: a mask above 2147483647 is a Real.
    for (std::size_t i = 0; i < count; ++i) {
        engine.Interpret(std::to_string(constants[i].mask) + " CONSTANT WS_" + constants[i].name);
    }

    // A fixed order, the same at every theme load.
    engine.AddWord<TGetTitle>("WINDOWTEXT", 0, context);
    engine.AddWord<TTextWidth>("TEXTWIDTH", 0, context);
    engine.AddWord<TTextHeight>("TEXTHEIGHT", 0, context);
    engine.AddWord<TFetchRectTop>("@TOP", 0, context);
    engine.AddWord<TStoreRectTop>("!TOP", 0, context);
    engine.AddWord<TFetchRectLeft>("@LEFT", 0, context);
    engine.AddWord<TStoreRectLeft>("!LEFT", 0, context);
    engine.AddWord<TFetchRectBottom>("@BOTTOM", 0, context);
    engine.AddWord<TStoreRectBottom>("!BOTTOM", 0, context);
    engine.AddWord<TFetchRectRight>("@RIGHT", 0, context);
    engine.AddWord<TStoreRectRight>("!RIGHT", 0, context);
    engine.AddWord<TGetTop>("RECTTOP", 0, context);
    engine.AddWord<TGetLeft>("RECTLEFT", 0, context);
    engine.AddWord<TGetBottom>("RECTBOTTOM", 0, context);
    engine.AddWord<TGetRight>("RECTRIGHT", 0, context);
    engine.AddWord<TWindowStyle>("WINDOWSTYLE", 0, context);
    engine.AddWord<TFetchPenColor>("@PENCOLOR", 0, context);
    engine.AddWord<TStorePenColor>("!PENCOLOR", 0, context);
    engine.AddWord<TFetchBrushColor>("@BRUSHCOLOR", 0, context);
    engine.AddWord<TStoreBrushColor>("!BRUSHCOLOR", 0, context);
    engine.AddWord<TMoveTo>("MOVETO", 0, context);
    engine.AddWord<TLineTo>("LINETO", 0, context);
    engine.AddWord<TSetPixel>("PUTPIXEL", 0, context);
    engine.AddWord<TGetPixel>("GETPIXEL", 0, context);
    engine.AddWord<TRectangle>("RECTANGLE", 0, context);
    engine.AddWord<TFillRect>("FILLRECT", 0, context);
    engine.AddWord<TFetchRect>("@RECT", 0, context);
    engine.AddWord<TStoreRect>("!RECT", 0, context);
    engine.AddWord<TGetWidth>("RECTWIDTH", 0, context);
    engine.AddWord<TGetHeight>("RECTHEIGHT", 0, context);
    engine.AddWord<TGetActive>("WINDOWACTIVE", 0, context);
    engine.AddWord<TGetDpi>("DPI", 0, context);
}

}  // namespace vt
