#pragma once
// What a theme's [BUTTON] section gives the themed push button: four references into the
// theme's bitmap collection, all null until a line of the section sets them. Part of the
// theme's state, so they go with the theme they point into.
#include <string>

#include "graphics/Bitmap.h"

namespace vt {

class TTheme;

class ButtonBitmaps {
public:
    // KEY=NAME with KEY one of NORMAL, DOWN, FOCUSED, DISABLED (upper-cased, not trimmed).
    // An empty name or NONE keeps the bitmap the key had; another key is ignored.
    void LoadLine(const std::string& line, TTheme& theme);

    Bitmap* Normal() const { return normal_; }
    Bitmap* Down() const { return down_; }   // kept for the theme's readers; not drawn
    Bitmap* Focused() const { return focused_; }
    Bitmap* Disabled() const { return disabled_; }

    // The bitmap a button in this state is drawn with: FOCUSED when enabled with the keyboard
    // focus, DISABLED when disabled, else NORMAL; a missing state bitmap falls back to NORMAL.
    // Null (no NORMAL) means the button draws itself.
    Bitmap* BitmapFor(bool enabled, bool focused) const;

private:
    Bitmap* normal_ = nullptr;
    Bitmap* down_ = nullptr;
    Bitmap* focused_ = nullptr;
    Bitmap* disabled_ = nullptr;
};

}  // namespace vt
