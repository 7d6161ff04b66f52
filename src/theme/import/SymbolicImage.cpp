#include "theme/import/SymbolicImage.h"

#include "graphics/AlphaOver.h"

namespace vt {
namespace {

constexpr Colour kReaderKey = 0xFF00FF;  // what the XPM and PNG readers leave out

}  // namespace

bool SymbolicImage::Recolour(const SymbolicColourResolver& colours) {
    if (base_.Empty()) return false;
    Bitmap next = base_;
    Colour* pixels = next.Row(0);  // all rows, one after another
    const std::size_t count = std::size_t(next.Width()) * std::size_t(next.Height());
    for (const XpmSymbol& symbol : symbols_) {
        Colour colour = colours.Find(symbol.name).value_or(symbol.colour) & 0xFFFFFF;
        if (colour != symbol.colour && (colour == kReaderKey || (base_.Transparent() && colour == base_.TransparentColor())))
            colour ^= 1;  // one step of red off the key
        for (std::uint32_t p : symbol.pixels)
            if (p < count) pixels[p] = colour;
    }
    if (overlay_.width > 0 && overlay_.height > 0) DrawAlphaOver(overlay_, next);
    if (next.Pixels() == target_->Pixels() && next.Width() == target_->Width() &&
        next.Transparent() == target_->Transparent() && next.TransparentColor() == target_->TransparentColor())
        return false;
    target_->ReplaceImage(std::move(next));
    return true;
}

}  // namespace vt
