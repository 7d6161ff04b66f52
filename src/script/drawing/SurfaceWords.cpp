#include "script/drawing/SurfaceWords.h"

#include "script/Engine.h"
#include "script/NumberText.h"
#include "script/drawing/DrawingContext.h"

namespace vt {
namespace {

// The surface of the current pass. Top-level [CODE] text and the stand-down release run
// scripts with none; the word then ends the run rather than draw on nothing. Checked before
// any operand is popped, so the stack still shows what the word was given.
DrawingSurface& SurfaceFor(const DrawingContext& context, const char* word) {
    DrawingSurface* surface = context.Surface;
    if (!surface) {
        Error(std::string(word) + " needs a drawing surface: it works only while the frame of a window "
                                  "is being drawn, measured or hit-tested");
    }
    return *surface;
}

// A colour operand. Colours use all 32 bits, and the compiler makes a number above 2147483647
// (a system colour such as 0x80000002) a Real, which the integer conversion would refuse; a
// Real or numeric String is therefore taken, rounded as integers are, anywhere from
// -2147483648 to 4294967295, the negative half as its 32-bit pattern.
Colour PopColour() {
    Value v = Pop();
    if (v.IsInteger() || v.IsBoolean()) return Colour(std::uint32_t(v.ToInteger()));
    double rounded = RoundHalfEven(v.ToReal());
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0)) Error(kInvalidConversion);
    if (rounded < 0) return Colour(std::uint32_t(std::int32_t(rounded)));
    return Colour(std::uint32_t(rounded));
}

// Colours go back to scripts as the signed 32-bit Integer of the same bits, so that a colour
// read and stored again is unchanged.
void PushColour(Colour c) { Push(Value::FromInt(std::int32_t(std::uint32_t(c)))); }

void PushInt(std::int32_t n) { Push(Value::FromInt(n)); }

// ( a b c d -- ) into a Rect in the order written.
Rect PopRect() {
    std::int32_t bottom = Pop().ToInteger();
    std::int32_t right = Pop().ToInteger();
    std::int32_t top = Pop().ToInteger();
    std::int32_t left = Pop().ToInteger();
    return Rect{left, top, right, bottom};
}

}  // namespace

TForthObject* TTextWidth::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "TEXTWIDTH");
    PushInt(surface.TextExtent(Pop().ToText()).cx);
    return nullptr;
}

TForthObject* TTextHeight::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "TEXTHEIGHT");
    PushInt(surface.TextExtent(Pop().ToText()).cy);
    return nullptr;
}

TForthObject* TFetchPenColor::Execute() {
    PushColour(SurfaceFor(context_, "@PENCOLOR").PenColour());
    return nullptr;
}

TForthObject* TStorePenColor::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "!PENCOLOR");
    surface.SetPenColour(PopColour());
    return nullptr;
}

TForthObject* TFetchBrushColor::Execute() {
    PushColour(SurfaceFor(context_, "@BRUSHCOLOR").BrushColour());
    return nullptr;
}

TForthObject* TStoreBrushColor::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "!BRUSHCOLOR");
    surface.SetBrushColour(PopColour());
    return nullptr;
}

TForthObject* TMoveTo::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "MOVETO");
    std::int32_t y = Pop().ToInteger();
    std::int32_t x = Pop().ToInteger();
    surface.MoveTo(x, y);
    return nullptr;
}

TForthObject* TLineTo::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "LINETO");
    std::int32_t y = Pop().ToInteger();
    std::int32_t x = Pop().ToInteger();
    surface.LineTo(x, y);
    return nullptr;
}

TForthObject* TSetPixel::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "PUTPIXEL");
    Colour colour = PopColour();
    std::int32_t y = Pop().ToInteger();
    std::int32_t x = Pop().ToInteger();
    surface.SetPixel(x, y, colour);
    return nullptr;
}

TForthObject* TGetPixel::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "GETPIXEL");
    std::int32_t y = Pop().ToInteger();
    std::int32_t x = Pop().ToInteger();
    PushColour(surface.GetPixel(x, y));
    return nullptr;
}

TForthObject* TRectangle::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "RECTANGLE");
    surface.Rectangle(PopRect());
    return nullptr;
}

TForthObject* TFillRect::Execute() {
    DrawingSurface& surface = SurfaceFor(context_, "FILLRECT");
    surface.FillRect(PopRect());
    return nullptr;
}

// References compiled into bodies, instantiated here so that the actions above inline.
template class TNativeReference<TTextWidth>;
template class TNativeReference<TTextHeight>;
template class TNativeReference<TFetchPenColor>;
template class TNativeReference<TStorePenColor>;
template class TNativeReference<TFetchBrushColor>;
template class TNativeReference<TStoreBrushColor>;
template class TNativeReference<TMoveTo>;
template class TNativeReference<TLineTo>;
template class TNativeReference<TSetPixel>;
template class TNativeReference<TGetPixel>;
template class TNativeReference<TRectangle>;
template class TNativeReference<TFillRect>;

}  // namespace vt
