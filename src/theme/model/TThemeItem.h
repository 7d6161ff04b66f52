#pragma once
// One named bitmap of a theme, with the file it came from. The entry owns its bitmap; elements,
// the themed button and the menu bar hold plain pointers to it, valid until the theme is unloaded.
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

class TThemeItem {
public:
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    vt::Bitmap& Bitmap() { return bitmap_; }
    const vt::Bitmap& Bitmap() const { return bitmap_; }
    // Copies the content; the caller keeps its own bitmap.
    void SetBitmap(const vt::Bitmap& bitmap) { bitmap_.Assign(bitmap); }

    // The bitmap's own settings: the entry keeps no copy of them.
    bool Transparent() const { return bitmap_.Transparent(); }
    void SetTransparent(bool on) { bitmap_.SetTransparent(on); }
    Colour TransparentColor() const { return bitmap_.TransparentColor(); }
    void SetTransparentColor(Colour c) { bitmap_.SetTransparentColor(c); }

    // Where the bitmap was loaded from, as the theme wrote it; kept for reference only.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

private:
    std::string name_;
    vt::Bitmap bitmap_;
    std::string fileName_;
};

}  // namespace vt
