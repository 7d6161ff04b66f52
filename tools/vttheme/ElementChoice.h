#pragma once
// Which element of a loaded theme a preview shows hovered or pressed: the one the user names, or
// for a sheet without names the first element that has a look of that kind.
#include <cstddef>
#include <string>

#include "theme/model/ElementList.h"

namespace vt {

// `which` is an index into the list, an element's name (as in "CLOSE ... close") or an element
// code (the first element of that code's hit value), names and codes in any letter case.
// Throws std::invalid_argument naming `which` when no element fits.
std::ptrdiff_t FindPreviewElement(const ElementList& elements, const std::string& which);

// The first element whose `look` bitmap (&TUIElement::HoverBitmap, &TUIElement::DownBitmap) is
// set and is not its normal one, or -1.
std::ptrdiff_t FirstElementWithLook(const ElementList& elements, Bitmap* TUIElement::*look);

}  // namespace vt
