#pragma once
// The themed push button: takes over the system class "BUTTON" (on Win32, see
// win32/TvtButtonWin32.h) and is drawn from the [BUTTON] section's bitmaps. Without a NORMAL
// bitmap buttons keep their own drawing.
#include <string>

#include "graphics/Bitmap.h"
#include "theme/TvtControl.h"

namespace vt {

class TvtButton : public TvtControl {
public:
    std::string ControlName() const override { return "BUTTON"; }
    // KEY=NAME with KEY one of NORMAL, DOWN, FOCUSED, DISABLED (upper-cased, not trimmed).
    // An empty name or NONE keeps the bitmap the key had.
    void LoadLine(const std::string& line, TTheme& theme) override;
    void Reset() override;

    // References into the theme's bitmap collection; null until the theme sets them.
    Bitmap* Normal() const { return normal_; }
    Bitmap* Down() const { return down_; }
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
