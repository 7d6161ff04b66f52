#pragma once
// A drawing surface bound to one device context for one pass (a frame paint, a hit test, an idle
// tick). It carries the current pen, brush and font, and offers the few operations frames and
// theme scripts draw with. Coordinates are those of the device context (window coordinates for
// a surface on a whole-window DC). The Win32 form (GdiSurface) draws straight onto the DC and
// selects the current pen, brush and font into it before every platform call.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Rect.h"
#include "graphics/Bitmap.h"
#include "graphics/Font.h"

namespace vt {

enum class BrushStyle : std::uint8_t { Solid, Clear };

struct TextSize {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// What GetPixel gives for a point outside the clipping region.
constexpr Colour kInvalidColour = 0xFFFFFFFF;

// Whether the colour names a system colour (0x80000000 + n) rather than an RGB value.
constexpr bool IsSystemColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Colours are kept as given (a system colour stays 0x80000000 + n) and turned into RGB
    // when drawn.
    Colour PenColour() const { return penColour_; }
    void SetPenColour(Colour c) { penColour_ = c; }
    Colour BrushColour() const { return brushColour_; }
    void SetBrushColour(Colour c) { brushColour_ = c; }
    BrushStyle BrushKind() const { return brushStyle_; }
    void SetBrushKind(BrushStyle style) { brushStyle_ = style; }
    const Font& CurrentFont() const { return font_; }
    void SetFont(const Font& font) { font_ = font; }
    // The display scale of the pass: bitmaps drawn at a point or tiled show at their size at this
    // DPI, fonts are made for it.
    std::int32_t Dpi() const { return dpi_; }
    void SetDpi(std::int32_t dpi) { dpi_ = dpi; }

    // Fills r with the brush; the right column and the bottom row are not filled. A clear
    // brush fills nothing.
    virtual void FillRect(const Rect& r) = 0;
    // Outline with the pen, interior with the brush (Rectangle of the platform).
    virtual void Rectangle(const Rect& r) = 0;
    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    // A line with the pen from the pen position to (x, y), without the end point; the pen
    // position moves there.
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    virtual void SetPixel(std::int32_t x, std::int32_t y, Colour c) = 0;
    // 0x00BBGGRR, or kInvalidColour outside the clipping region.
    virtual Colour GetPixel(std::int32_t x, std::int32_t y) = 0;
    // The size of the text in the current font.
    virtual TextSize TextExtent(const std::string& text) = 0;
    // The text at (x, y) in the current font and colour, clipped to `clip`; with a solid brush
    // the whole of `clip` gets the brush colour behind it.
    virtual void TextOutClipped(std::int32_t x, std::int32_t y, const Rect& clip, const std::string& text) = 0;
    // The text centred horizontally in r, from r's top, clipped to r; only the text's own cells
    // get the brush colour (solid brush) behind them.
    virtual void DrawTextCentred(const Rect& r, const std::string& text) = 0;
    // The bitmap unscaled with its top-left corner at (x, y), leaving its transparent colour out
    // when its transparency is on.
    virtual void DrawBitmap(const Bitmap& bitmap, std::int32_t x, std::int32_t y) = 0;
    // The bitmap stretched over r (nearest pixel, see ScaledPixels), transparency as above.
    virtual void StretchBitmap(const Bitmap& bitmap, const Rect& r) = 0;
    // Copies of the bitmap from r's top-left corner, clipped to r (see TilePart), transparency
    // as above.
    virtual void TileBitmap(const Bitmap& bitmap, const Rect& r) = 0;
    // Takes r out of the clipping region for the rest of the pass.
    virtual void ExcludeClipRect(const Rect& r) = 0;
    // Keeps the rest of the pass inside the rectangles (their union, within the clipping already
    // in force). Bitmaps are still prepared for the whole part that could show before the limit,
    // so that a small repaint reuses the forms of the full paint.
    virtual void LimitClipTo(const Rect* rects, std::size_t count) = 0;

private:
    Colour penColour_ = 0x000000;
    Colour brushColour_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    Font font_;
    std::int32_t dpi_ = 96;
};

}  // namespace vt
