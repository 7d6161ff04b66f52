#pragma once
// The words that measure and draw on the drawing surface of the current pass: text extents,
// the pen and brush colours, lines, pixels and rectangles. Outside a pass there is no surface,
// and each of them ends the run with an error that says so.
#include "script/Definition.h"
#include "script/drawing/DrawingContext.h"
#include "script/NativeReference.h"

namespace vt {

// ( v -- width ) The width in pixels of v's text in the surface's current font.
class TTextWidth final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( v -- height ) The height in pixels of v's text in the surface's current font.
class TTextHeight final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- colour ) The pen colour as stored (a system colour stays 0x80000000 + n).
class TFetchPenColor final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( colour -- ) Sets the pen colour.
class TStorePenColor final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- colour ) The brush colour as stored.
class TFetchBrushColor final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( colour -- ) Sets the brush colour.
class TStoreBrushColor final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( x y -- ) Moves the pen position to (x, y).
class TMoveTo final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( x y -- ) A line with the pen from the pen position to (x, y), without the end point.
class TLineTo final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( x y colour -- ) Sets the pixel (x, y) to the colour.
class TSetPixel final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( x y -- colour ) The pixel's colour 0x00BBGGRR, or -1 outside the clipping region.
class TGetPixel final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( x1 y1 x2 y2 -- ) Outline with the pen, interior with the brush.
class TRectangle final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( left top right bottom -- ) Fills the rectangle with the brush (right column and bottom row
// left out).
class TFillRect final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

extern template class TNativeReference<TTextWidth>;
extern template class TNativeReference<TTextHeight>;
extern template class TNativeReference<TFetchPenColor>;
extern template class TNativeReference<TStorePenColor>;
extern template class TNativeReference<TFetchBrushColor>;
extern template class TNativeReference<TStoreBrushColor>;
extern template class TNativeReference<TMoveTo>;
extern template class TNativeReference<TLineTo>;
extern template class TNativeReference<TSetPixel>;
extern template class TNativeReference<TGetPixel>;
extern template class TNativeReference<TRectangle>;
extern template class TNativeReference<TFillRect>;

}  // namespace vt
