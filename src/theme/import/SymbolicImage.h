#pragma once
// An imported image whose XPM names some of its colours symbolically, kept so that it can be
// drawn again in other colours without reading its files: the XPM as read, the pixels of each
// name, and the PNG that was drawn over it (if any). The theme's bitmap is rebuilt in place, so
// the elements that point at it keep their pointers.
#include "graphics/Bitmap.h"
#include "graphics/RgbaImage.h"
#include "graphics/XpmReader.h"
#include "theme/import/SymbolicColours.h"

namespace vt {

class SymbolicImage {
public:
    // `target` is the theme's bitmap: `base` (the XPM with the colours its lines give) with
    // `overlay` drawn over it (an empty overlay: none). It must outlive this object.
    SymbolicImage(Bitmap& target, Bitmap base, XpmSymbols symbols, RgbaImage overlay)
        : target_(&target), base_(std::move(base)), symbols_(std::move(symbols)), overlay_(std::move(overlay)) {}

    // Rebuilds the target with the resolver's colour for each name (a name it does not know keeps
    // the XPM's own colour). A colour that is the image's transparent colour is moved one step off
    // it, so that recolouring never cuts holes. True when the target's pixels changed.
    bool Recolour(const SymbolicColourResolver& colours);

    const Bitmap& Target() const { return *target_; }

private:
    Bitmap* target_;
    Bitmap base_;
    XpmSymbols symbols_;
    RgbaImage overlay_;
};

}  // namespace vt
